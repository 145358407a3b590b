#include "app/settings_dialog.h"

#include <algorithm>
#include <iterator>

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

namespace {
// Text speed choices, as Shift-JIS bytes per frame (0: the page at once).
constexpr int kTextSpeeds[] = {1, 2, 4, 0};
}  // namespace

SettingsDialog::SettingsDialog(const Settings& settings, const WindowSettings& window, QWidget* parent)
    : QDialog(parent), base_(settings), window_(window) {
  setWindowTitle(QStringLiteral("コンフィグ"));
  setStyleSheet(QStringLiteral("QDialog { background: #1b212b; }") + shell::widgetStyle());
  setFont(style::font(13));
  // Compact, so the dialog fits over the 800 × 600 window.
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(8, 6, 8, 8);
  column->setSpacing(6);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);
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
  scale_ = choice(QStringLiteral("画面の倍率(次回起動時)"),
                  {QStringLiteral("1倍"), QStringLiteral("2倍"), QStringLiteral("画面に合わせる")}, int(window.scale), grid,
                  2, 1);
  speed_ = choice(QStringLiteral("戦闘の演出"), {QStringLiteral("通常"), QStringLiteral("高速"), QStringLiteral("省略")},
                  int(window.speed), grid, 3, 1);

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
  grid->addWidget(volumeBox, 5, 1);

  // Story text faces: the installed faces of the game's kind (and the current one).
  auto* fontBox = new QGroupBox(QStringLiteral("フォント"));
  auto* fontColumn = new QVBoxLayout(fontBox);
  fonts_ = new QListWidget;

  QStringList faces;
  for (const QString& f : QFontDatabase::families())
    if ((f.contains(QStringLiteral("HGS")) || f.contains(QStringLiteral("CJK JP"))) && !f.contains('@')) faces << f;
  const QString current = style::text(settings.fontFace);
  if (!faces.contains(current)) faces.prepend(current);
  fonts_->addItems(faces);
  fonts_->setFixedHeight(fonts_->sizeHintForRow(0) * 3 + 2 * fonts_->frameWidth());  // three whole rows
  fonts_->setCurrentRow(int(faces.indexOf(current)));
  sample_ = new QLabel(QStringLiteral("フォント_aAあア亜0123"));
  auto showFace = [this](const QString& face) {
    QFont f(face);
    f.setPixelSize(18);
    sample_->setFont(f);
  };
  connect(fonts_, &QListWidget::currentTextChanged, this, showFace);
  showFace(current);
  fontColumn->addWidget(fonts_);
  fontColumn->addWidget(sample_);
  grid->addWidget(fontBox, 5, 0);
  skipEnemy_ = pair(QStringLiteral("敵フェイズの演出"), QStringLiteral("見る"), QStringLiteral("省略"),
                    window.skipComputerAnimations, 4, 1);
  addStoryBox(grid, 0);
  grid->setColumnMinimumWidth(0, 224);  // the longest box titles stay whole

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
  return choice(title, {no, yes}, on ? 1 : 0, static_cast<QGridLayout*>(layout()->itemAt(0)->layout()), row, col);
}

QButtonGroup* SettingsDialog::choice(const QString& title, const QStringList& options, int checked, QGridLayout* into,
                                     int row, int col) {
  auto* box = new QGroupBox(title);
  auto* line = new QHBoxLayout(box);
  auto* group = new QButtonGroup(this);
  for (int id = 0; id < options.size(); ++id) {
    auto* b = new QRadioButton(options[id]);
    b->setChecked(id == checked);
    group->addButton(b, id);
    line->addWidget(b);
  }
  into->addWidget(box, row, col);
  // Every choice but the drawing speed plays the game's sound.
  connect(group, &QButtonGroup::idClicked, this, [this, group] {
    if (group != efc_ && onChoice) onChoice();
  });
  return group;
}

void SettingsDialog::addStoryBox(QGridLayout* grid, int row) {
  const story::StorySettings& reading = window_.story;
  auto* box = new QGroupBox(QStringLiteral("お話"));
  auto* inner = new QGridLayout(box);
  frame_ = choice(QStringLiteral("フレーム色"),
                  {QStringLiteral("赤"), QStringLiteral("黄"), QStringLiteral("緑"), QStringLiteral("青"), QStringLiteral("灰")},
                  base_.frameColour, inner, 0, 0);
  const auto speed = std::find(std::begin(kTextSpeeds), std::end(kTextSpeeds), reading.bytesPerTick);
  textSpeed_ = choice(QStringLiteral("文字の速さ"),
                      {QStringLiteral("遅い"), QStringLiteral("普通"), QStringLiteral("速い"), QStringLiteral("一瞬")},
                      speed == std::end(kTextSpeeds) ? 1 : int(speed - std::begin(kTextSpeeds)), inner, 1, 0);
  autoAdvance_ = choice(QStringLiteral("オート送り"), {QStringLiteral("しない"), QStringLiteral("する")},
                        reading.autoAdvance ? 1 : 0, inner, 2, 0);
  ctrlUnread_ = choice(QStringLiteral("Ctrlの早送り"), {QStringLiteral("既読のみ"), QStringLiteral("未読も")},
                       reading.ctrlSkipsUnread ? 1 : 0, inner, 3, 0);
  skipStory_ = choice(QStringLiteral("お話の表示"), {QStringLiteral("見る"), QStringLiteral("飛ばす")},
                      reading.skipStory ? 1 : 0, inner, 4, 0);
  grid->addWidget(box, row, 2, 6, 1);
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
  s.frameColour = frame_->checkedId();
  return s;
}

WindowSettings SettingsDialog::windowSettings() const {
  WindowSettings w = window_;
  w.scale = static_cast<SceneScale>(scale_->checkedId());
  w.speed = static_cast<AnimationSpeed>(speed_->checkedId());
  w.skipComputerAnimations = skipEnemy_->checkedId() == 1;
  w.story.bytesPerTick = kTextSpeeds[textSpeed_->checkedId()];
  w.story.autoAdvance = autoAdvance_->checkedId() == 1;
  w.story.ctrlSkipsUnread = ctrlUnread_->checkedId() == 1;
  w.story.skipStory = skipStory_->checkedId() == 1;
  return w;
}

}  // namespace sorvane
