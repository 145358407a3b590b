// The game's own modal dialogs: a question with Yes/No and a message with OK,
// in the slate-and-gold look of the window.
#pragma once

#include <QDialog>
#include <QString>

namespace sorvane {

class GameDialog : public QDialog {
  Q_OBJECT

 public:
  // `question`: Yes/No buttons (Yes accepts); otherwise one OK button.
  GameDialog(const QString& text, bool question, QWidget* parent);
};

}  // namespace sorvane
