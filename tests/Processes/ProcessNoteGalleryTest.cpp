// Screenshots of the "What is this" card and the taming controls, light and dark, for people to
// look at (under the build's artifacts/gallery); nothing here is an assertion about the look.
#include <gtest/gtest.h>

#include <QDir>
#include <QVBoxLayout>

#include "Qel/Processes/ProcessNoteView.hpp"
#include "Qel/Processes/TameControl.hpp"
#include "Qel/Sheets/Settings/TameRulesSection.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "tests/support/Gallery.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;

namespace {

using qel::test::writeShot;

// A column on the window's ground, as a sheet would hold them.
struct Column {
  QWidget window;
  QVBoxLayout* column = new QVBoxLayout(&window);
  Column() {
    window.setAutoFillBackground(true);
    window.setPalette(Palette::qtPalette(Palette::light()));
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(14);
  }
  void shoot(const QString& name) {
    column->addStretch(1);
    window.resize(480, window.sizeHint().height());
    window.show();
    test::BusyAfternoon::settle();
    writeShot(window, name);
  }
};

}  // namespace

TEST(ProcessNoteGallery, notesAndTamingControls) {
  Motion::setEnabled(false);
  const std::string mail = "/usr/share/applications/thunderbird.desktop";
  const std::string chat = "/usr/share/applications/slack.desktop";
  for (const char* appearance : {"light", "dark"}) {
    test::useAppearance(appearance);
    test::BusyAfternoon day;
    Store& store = *day.store;

    Column notes;
    notes.column->addWidget(new ProcessNoteView(
        ProcessState(store), {.pid = 2398, .name = "firefox", .path = "/usr/lib/firefox/firefox", .comm = "Isolated Web Co"}));
    notes.column->addWidget(new ProcessNoteView(
        ProcessState(store), {.pid = 4410, .name = "rust-analyzer", .path = "/home/ana/.cargo/bin/rust-analyzer"}));
    notes.column->addWidget(new ProcessNoteView(
        ProcessState(store), {.pid = 5821, .name = "slack", .path = "/usr/lib/slack/slack", .appKey = chat, .childType = "renderer"}));
    notes.shoot(QString("process-notes-%1").arg(appearance));

    store.setTame(TameMode::slow, mail);
    store.setTame(TameMode::pause, chat);
    Column taming;
    taming.column->addWidget(
        new TameControl(TamingState(store), ProcessState(store), store,
                        {.pid = 5012, .name = "thunderbird", .path = "/usr/lib/thunderbird/thunderbird",
                         .appKey = mail}));
    taming.column->addWidget(
        new TameControl(TamingState(store), ProcessState(store), store,
                        {.pid = 3120, .name = "code", .path = "/usr/share/code/code",
                         .appKey = "/usr/share/applications/code.desktop"}));
    taming.column->addWidget(new TameRulesSection(TamingState(store), ProcessState(store), store));
    taming.shoot(QString("process-taming-%1").arg(appearance));
  }
  test::useAppearance("light");
}
