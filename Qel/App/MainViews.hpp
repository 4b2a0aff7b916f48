#pragma once
// The main window's pages and sheets as the program has them: each view built so far is
// registered here, and every sheet the store can ask for is known with its property.
#include <QString>

#include <functional>

namespace qel {

class Updater;
class ViewRegistry;

// `hotKeyProblem` says why the replay key could not be had; empty while it works.
void registerMainViews(ViewRegistry& registry, Updater& updater, std::function<QString()> hotKeyProblem = {});

}  // namespace qel
