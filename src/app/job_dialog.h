// The job dialog of a new game: the seven jobs with their descriptions and,
// once any other master character is unlocked, the character list.
#pragma once

#include <QDialog>

#include "data/deta.h"

class QLabel;
class QListWidget;

namespace sorvane {

class JobDialog : public QDialog {
  Q_OBJECT

 public:
  JobDialog(const Tdeta& d, QWidget* parent);
  int job() const;
  int character() const;
  // Played when a job is chosen.
  std::function<void()> onChoice;

 private:
  void describe();

  QListWidget* jobs_;
  QListWidget* characters_ = nullptr;
  QLabel* description_;
};

// The lines describing job 0..6.
QString jobDescription(int job);

}  // namespace sorvane
