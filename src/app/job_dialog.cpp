#include "app/job_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/shell_art.h"
#include "view/view_style.h"

namespace sorvane {

namespace {

// clang-format off
const char* const kJobCaptions[7] = {"戦士", "騎士", "狩人", "暗殺者", "魔法使い", "治癒士", "精霊使い"};
const char* const kJobLines[7] = {
    "[戦士]\nステータスが高く、高威力の技や\n自己強化の技が得意。遠隔攻撃は苦手。\n初心者にもお勧め。",
    "[騎士]\n耐久力が高く、守備系の技や\n自分の周囲に効果がある技が得意。\n中級者向け。",
    "[狩人]\n平均的な能力で遠隔攻撃が得意。\n初心者にもお勧め。",
    "[暗殺者]\n攻撃力、移動力の高い速攻型。\n耐久力は極端に低い。\n中級者向け。",
    "[魔術師]\n魔力が高く、遠隔範囲技が得意。\n初心者にもお勧め。",
    "[治癒士]\nHP回復、状態異常回復など、\n味方への援護を得意とする。\n中級者向け。",
    "[精霊使い]\n天気や地形など\n属性を操る特殊な技を覚える。\n上級者向け。",
};
// clang-format on

}  // namespace

QString jobDescription(int job) { return job >= 0 && job < 7 ? QString::fromUtf8(kJobLines[job]) : QString(); }

JobDialog::JobDialog(const Tdeta& d, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("マスターの職業を選択して下さい"));
  setStyleSheet(QStringLiteral("QDialog { background: #1b212b; }") + shell::widgetStyle());
  bool anyCharacter = false;
  for (int c = 1; c < 11; ++c) anyCharacter = anyCharacter || d.charOpen[c] != 0;

  auto* lists = new QHBoxLayout;
  jobs_ = new QListWidget;
  jobs_->setFont(style::font(16));
  for (const char* name : kJobCaptions) jobs_->addItem(QString::fromUtf8(name));
  jobs_->setCurrentRow(0);
  jobs_->setFixedWidth(130);
  lists->addWidget(jobs_);
  if (anyCharacter) {
    characters_ = new QListWidget;
    characters_->setFont(style::font(16));
    for (int c = 0; c < 11; ++c)
      characters_->addItem(d.charOpen[c] ? style::text(d.creatures[masterEntry(c, 0)].Name) : QString());
    characters_->setCurrentRow(0);
    characters_->setFixedWidth(130);
    connect(characters_, &QListWidget::currentRowChanged, this, [this, &d](int row) {
      if (row > 0 && d.charOpen[row] == 0) characters_->setCurrentRow(0);  // an empty item means the first
    });
    lists->addWidget(characters_);
  }
  description_ = new QLabel;
  description_->setFont(style::font(15));
  description_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  description_->setMinimumWidth(280);
  description_->setWordWrap(true);
  lists->addWidget(description_, 1);

  auto* ok = new QPushButton(QStringLiteral("決定"));
  auto* cancel = new QPushButton(QStringLiteral("やめる"));
  ok->setDefault(true);
  for (QPushButton* b : {ok, cancel}) {
    b->setFont(style::font(15, true));
    b->setMinimumSize(110, 34);
  }
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists);
  layout->addLayout(buttons);
  resize(anyCharacter ? 640 : 500, 300);
  connect(jobs_, &QListWidget::currentRowChanged, this, [this] {
    describe();
    if (onChoice) onChoice();
  });
  connect(jobs_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  describe();
  jobs_->setFocus();
}

int JobDialog::job() const { return std::max(0, jobs_->currentRow()); }
int JobDialog::character() const { return characters_ ? std::max(0, characters_->currentRow()) : 0; }

void JobDialog::describe() { description_->setText(jobDescription(job())); }

}  // namespace sorvane
