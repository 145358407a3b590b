#include "app/settings_dialog.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "app/shell_art.h"
#include "view/view_style.h"

namespace sorvane {

SettingsDialog::SettingsDialog(const Settings& settings, const WindowSettings& window, QWidget* parent)
    : QDialog(parent), base_(settings), window_(window) {
  setWindowTitle(QStringLiteral("コンフィグ"));
  setStyleSheet(QStringLiteral("QDialog { background: #1b212b; }") + shell::widgetStyle());
  setFont(style::font(13));
  auto* column = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  column->addLayout(grid);

  const QString show = QStringLiteral("表示しない"), shown = QStringLiteral("表示する");
  bfh_ = pair(QStringLiteral("フィールド上のキャラのHPSP"), show, shown, settings.mapShowHpSp, 0, 0);
  bfs_ = pair(QStringLiteral("フィールド上のキャラの行動済み"), show, shown, settings.mapMarkActed, 1, 0);
  bfc_ = pair(QStringLiteral("フィールド上のキャラの敵味方"), QStringLiteral("識別しない"), QStringLiteral("識別する"),
              settings.mapTeamColours, 2, 0);
  klh_ = pair(QStringLiteral("キャラリストのHPSP"), show, shown, settings.listShowHpSp, 3, 0);
  kls_ = pair(QStringLiteral("キャラリストの行動済み"), show, shown, settings.listMarkActed, 4, 0);
  oto_ = pair(QStringLiteral("BGMの再生方法"), QStringLiteral("その1(推奨)"), QStringLiteral("その2(時間が掛かります)"),
              settings.musicPreloaded, 0, 1);
  efc_ = pair(QStringLiteral("描写速度"), QStringLiteral("通常(推奨)"), QStringLiteral("高速(重ければこちら)"),
              settings.fastDrawing, 1, 1);

  // The window's own: scale (from the next start) and the battle's animation speed.
  auto* scaleBox = new QGroupBox(QStringLiteral("画面の倍率(次回起動時)"));
  auto* scaleRow = new QHBoxLayout(scaleBox);
  scale_ = new QButtonGroup(this);
  const std::pair<SceneScale, const char*> scales[] = {{SceneScale::One, "1倍"}, {SceneScale::Two, "2倍"},
                                                         {SceneScale::Fit, "画面に合わせる"}};
  for (const auto& [value, text] : scales) {
    auto* b = new QRadioButton(QString::fromUtf8(text));
    b->setChecked(window.scale == value);
    scale_->addButton(b, int(value));
    scaleRow->addWidget(b);
  }
  grid->addWidget(scaleBox, 2, 1);
  auto* speedBox = new QGroupBox(QStringLiteral("戦闘の演出"));
  auto* speedRow = new QHBoxLayout(speedBox);
  speed_ = new QButtonGroup(this);
  const std::pair<AnimationSpeed, const char*> speeds[] = {
      {AnimationSpeed::Normal, "通常"}, {AnimationSpeed::Fast, "高速"}, {AnimationSpeed::Instant, "省略"}};
  for (const auto& [value, text] : speeds) {
    auto* b = new QRadioButton(QString::fromUtf8(text));
    b->setChecked(window.speed == value);
    speed_->addButton(b, int(value));
    speedRow->addWidget(b);
  }
  grid->addWidget(speedBox, 3, 1);

  auto* volumeBox = new QGroupBox(QStringLiteral("音量"));
  auto* volumes = new QGridLayout(volumeBox);
  music_ = new QSlider(Qt::Horizontal);
  effects_ = new QSlider(Qt::Horizontal);
  for (QSlider* s : {music_, effects_}) s->setRange(0, 25);
  music_->setValue(settings.musicVolume);
  effects_->setValue(settings.effectVolume);
  volumes->addWidget(new QLabel(QStringLiteral("音楽")), 0, 0);
  volumes->addWidget(music_, 0, 1);
  volumes->addWidget(new QLabel(QStringLiteral("効果音")), 1, 0);
  volumes->addWidget(effects_, 1, 1);
  for (QSlider* s : {music_, effects_})
    connect(s, &QSlider::valueChanged, this, [this] {
      if (onVolume) onVolume(music_->value(), effects_->value());
    });
  grid->addWidget(volumeBox, 4, 1);

  // Story text faces: the installed faces of the game's kind (and the current one).
  auto* fontBox = new QGroupBox(QStringLiteral("フォント"));
  auto* fontColumn = new QVBoxLayout(fontBox);
  fonts_ = new QListWidget;
  fonts_->setMaximumHeight(70);
  QStringList faces;
  for (const QString& f : QFontDatabase::families())
    if ((f.contains(QStringLiteral("HGS")) || f.contains(QStringLiteral("CJK JP"))) && !f.contains('@')) faces << f;
  const QString current = style::text(settings.fontFace);
  if (!faces.contains(current)) faces.prepend(current);
  fonts_->addItems(faces);
  fonts_->setCurrentRow(int(faces.indexOf(current)));
  sample_ = new QLabel(QStringLiteral("フォント_aAあア亜0123"));
  connect(fonts_, &QListWidget::currentTextChanged, this, [this](const QString& face) {
    QFont f(face);
    f.setPixelSize(18);
    sample_->setFont(f);
  });
  fontColumn->addWidget(fonts_);
  fontColumn->addWidget(sample_);
  grid->addWidget(fontBox, 5, 0, 1, 2);

  auto* ok = new QPushButton(QStringLiteral("設定"));
  auto* cancel = new QPushButton(QStringLiteral("やめる"));
  ok->setDefault(true);
  ok->setMinimumSize(100, 30);
  cancel->setMinimumSize(100, 30);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  static_cast<QVBoxLayout*>(layout())->addLayout(buttons);
  ok->setFocus();
}

QButtonGroup* SettingsDialog::pair(const QString& title, const QString& no, const QString& yes, bool on, int row,
                                   int col) {
  auto* box = new QGroupBox(title);
  auto* line = new QHBoxLayout(box);
  auto* group = new QButtonGroup(this);
  auto* a = new QRadioButton(no);
  auto* b = new QRadioButton(yes);
  (on ? b : a)->setChecked(true);
  group->addButton(a, 0);
  group->addButton(b, 1);
  line->addWidget(a);
  line->addWidget(b);
  static_cast<QGridLayout*>(layout()->itemAt(0)->layout())->addWidget(box, row, col);
  connect(group, &QButtonGroup::idClicked, this, [this, group] {
    if (group != efc_ && onChoice) onChoice();
  });
  return group;
}

Settings SettingsDialog::settings() const {
  Settings s = base_;
  s.mapShowHpSp = bfh_->checkedId() == 1;
  s.mapMarkActed = bfs_->checkedId() == 1;
  s.mapTeamColours = bfc_->checkedId() == 1;
  s.listShowHpSp = klh_->checkedId() == 1;
  s.listMarkActed = kls_->checkedId() == 1;
  s.musicPreloaded = oto_->checkedId() == 1;
  s.fastDrawing = efc_->checkedId() == 1;
  s.musicVolume = music_->value();
  s.effectVolume = effects_->value();
  if (fonts_->currentItem()) s.fontFace = fonts_->currentItem()->text().toStdString();
  return s;
}

WindowSettings SettingsDialog::windowSettings() const {
  WindowSettings w = window_;
  w.scale = static_cast<SceneScale>(scale_->checkedId());
  w.speed = static_cast<AnimationSpeed>(speed_->checkedId());
  return w;
}

}  // namespace sorvane
