// A page of the window that is not built yet: its name over the game's
// backdrop, and an optional button that leads on.
#pragma once

#include <functional>

#include <QWidget>

class QPushButton;

namespace sorvane {

class PlaceholderPage : public QWidget {
  Q_OBJECT

 public:
  PlaceholderPage(const QString& title, const QString& note, QWidget* parent = nullptr);
  // Shows a button that runs `action`.
  void setAction(const QString& caption, std::function<void()> action);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_, note_;
  QPushButton* button_ = nullptr;
  std::function<void()> action_;
};

}  // namespace sorvane
