#pragma once
// The main window's pages and sheets as the program has them: each view built so far is
// registered here, and every sheet the store can ask for is known with its property.
namespace qel {

class Updater;
class ViewRegistry;

void registerMainViews(ViewRegistry& registry, Updater& updater);

}  // namespace qel
