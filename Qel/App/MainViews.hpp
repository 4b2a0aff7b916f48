#pragma once
// The main window's pages and sheets as the program has them: each view built so far is
// registered here, and every sheet the store can ask for is known with its property.
#include <QString>

#include <functional>

namespace qel {

class Store;
class Updater;
class ViewRegistry;
struct ViewContext;

// What the main window's views are made with: the store's parts, and the store as their doors.
ViewContext viewContext(Store& store);

// `hotKeyProblem` says why the replay key could not be had; empty while it works.
void registerMainViews(ViewRegistry& registry, Updater& updater, std::function<QString()> hotKeyProblem = {});

}  // namespace qel
