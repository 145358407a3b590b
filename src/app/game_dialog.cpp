#include "app/game_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "view/view_style.h"

namespace sorvane {

GameDialog::GameDialog(const QString& text, bool question, QWidget* parent) : QDialog(parent) {
  setModal(true);
  setWindowTitle(QStringLiteral("Sorvane"));
  setStyleSheet(QStringLiteral("QDialog { background: #262e3b; border: 1px solid #d8b45a; }"
                               "QLabel { color: #e8e4d8; }"
                               "QPushButton { color: #e8e4d8; background: #333d4e; border: 1px solid #d8b45a;"
                               " border-radius: 3px; padding: 4px 18px; }"
                               "QPushButton:hover { background: #3f4b60; }"));
  auto* label = new QLabel(text, this);
  label->setFont(style::font(15));
  label->setWordWrap(true);
  label->setMinimumWidth(280);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* yes = new QPushButton(question ? QStringLiteral("はい") : QStringLiteral("OK"), this);
  yes->setFont(style::font(14));
  connect(yes, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(yes);
  if (question) {
    auto* no = new QPushButton(QStringLiteral("いいえ"), this);
    no->setFont(style::font(14));
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(no);
  }
  yes->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 18, 20, 14);
  layout->setSpacing(14);
  layout->addWidget(label);
  layout->addLayout(buttons);
}

}  // namespace sorvane
