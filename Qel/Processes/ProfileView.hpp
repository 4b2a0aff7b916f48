#pragma once
// The "Profile" tab of the process detail sheet: the long-term profile of the app the process
// belongs to, read once from the history when the tab is shown. It says what the latest
// version update did to the app's memory, draws its memory per day and its busy hours, and
// lists a few averages.
#include <QWidget>

#include <string>

#include "Qel/History/AppProfile.hpp"
#include "Qel/Processes/ProfileNotes.hpp"
#include "Qel/Samplers/ProcInfo.hpp"

class QVBoxLayout;

#include "Qel/Store/Parts/DayState.hpp"

namespace qel {

class InsightActions;

class ProfileView : public QWidget {
  Q_OBJECT

 public:
  ProfileView(DayState day, InsightActions& insights, const ProcInfo& proc, QWidget* parent = nullptr);


 private:
  void load(const std::string& key);
  void build();
  QWidget* note(const ProfileNote& note);
  QWidget* memorySection();
  QWidget* hoursSection();
  QWidget* facts();

  DayState day_;
  InsightActions& insights_;
  ProcInfo proc_;
  AppProfile profile_;
  ProfileState state_ = ProfileState::tooLittle;
  QVBoxLayout* column_;
};

}  // namespace qel
