#include "app/preparation_page.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

#include "app/circle_board.h"
#include "app/shell_art.h"
#include "campaign/flow.h"
#include "view/battle_art.h"
#include "view/view_style.h"

namespace sorvane {

namespace {

// clang-format off
const char* const kElementCaptions[7] = {"無属性", "炎属性", "氷属性", "木属性", "地属性", "雷属性", "水属性"};
const char* const kElementShort[7] = {"無", "炎", "氷", "木", "地", "雷", "水"};
const char* const kFilterNames[8] = {"無", "炎", "氷", "木", "地", "雷", "水", "全"};
const char* const kJobCaptions[7] = {"戦士", "騎士", "狩人", "暗殺者", "魔術師", "治癒士", "精霊使い"};
const char* const kCharacterNames[11] = {"アリス", "ルエリア", "リリィ", "エンジュ", "シレネ", "ミレット",
                                         "カシア", "アヤメ", "カエデ", "チーゼル", "ｱﾘｽ_ｴﾈﾙｹﾞｲｱ"};
const char* const kMethodTexts[2] = {"召喚時間を2減らす 射程2", "召喚時間を半分(切り上げ)にする 射程3"};
// clang-format on

const QColor kUnowned(200, 200, 200);

// The widget that has the keys wears a blue ring, apart from the gold of the
// page and of the selected circle.
const char* const kFocusStyle = "QPushButton:focus, QListWidget:focus, QComboBox:focus { border: 2px solid #9fd0ff; }";
const char* const kBoardFocusStyle =
    "QFrame { border: 2px solid #9fd0ff; border-radius: 8px; background: transparent; }";

bool isEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }
bool isDelete(const QKeyEvent& key) { return key.key() == Qt::Key_Delete || key.key() == Qt::Key_Backspace; }

QString oneLine(const std::string& text) {
  QString s = style::text(text);
  s.replace(QChar('\r'), QChar(' '));
  s.replace(QChar('\n'), QChar(' '));
  return s;
}

QLabel* label(QWidget* parent, QRect at, int pixels, bool bold = false) {
  auto* l = new QLabel(parent);
  l->setGeometry(at);
  l->setFont(style::font(pixels, bold));
  return l;
}

}  // namespace

PreparationPage::PreparationPage(Tsyori& s, Campaign& c, Presenter& screen, const BattleArt& art, std::string gameDir,
                                 QWidget* parent)
    : QWidget(parent), s_(s), c_(c), screen_(screen), art_(art), gameDir_(std::move(gameDir)), prep_(s, c, screen) {
  setFixedSize(800, 600);
  setStyleSheet(shell::widgetStyle() + QString::fromLatin1(kFocusStyle));
  setFocusPolicy(Qt::ClickFocus);  // the keys belong to the board, the lists and the buttons
  build();
  buildKeys();
}

QPushButton* PreparationPage::button(const QString& caption) const {
  for (QPushButton* b : buttons_)
    if (b->text() == caption) return b;
  return nullptr;
}

void PreparationPage::build() {
  board_ = new CircleBoard(s_, art_, this);
  board_->move(10, 10);
  board_->setToolTip(QStringLiteral("魔法円を選択すると、右のリストからクリーチャーをセットできます"));
  board_->onPress = [this](int slot, Qt::MouseButton button) {
    if (!boardCovered()) slotPressed(slot, button, false);
  };
  boardFocus_ = new QFrame(this);
  boardFocus_->setGeometry(board_->geometry().adjusted(-3, -3, 3, 3));
  boardFocus_->setStyleSheet(QString::fromLatin1(kBoardFocusStyle));
  boardFocus_->setAttribute(Qt::WA_TransparentForMouseEvents);
  boardFocus_->stackUnder(board_);
  boardFocus_->hide();

  for (int i = 0; i < 7; ++i) {
    auto* icon = new QPushButton(this);
    icon->setGeometry(10 + i * 51, 494, 48, 48);
    icon->setIconSize(QSize(44, 44));
    icon->setToolTip(QStringLiteral("左クリックで選択\n右クリックでクリーチャーを外す"));
    icon->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(icon, &QPushButton::clicked, this, [this, i] { slotPressed(i, Qt::LeftButton, true); });
    connect(icon, &QPushButton::customContextMenuRequested, this, [this, i] { slotPressed(i, Qt::RightButton, true); });
    icons_[std::size_t(i)] = icon;
  }

  // clang-format off
  const std::pair<const char*, std::function<void()> PreparationPage::*> actions[] = {
      {"進む", &PreparationPage::onNext}, {"ﾌﾘｰﾊﾞﾄﾙ", &PreparationPage::onFree}, {"セーブ", nullptr},
      {"ロード", nullptr}, {"戦歴", &PreparationPage::onRecords},
      {"編成セーブ", &PreparationPage::onFormationSave}, {"編成ロード", &PreparationPage::onFormationLoad},
      {"設定", &PreparationPage::onSettings}, {"タイトル", &PreparationPage::onTitle}};
  // clang-format on
  int n = 0;
  for (const auto& [caption, action] : actions) {
    auto* b = new QPushButton(QString::fromUtf8(caption), this);
    const int row = n / 5, col = n % 5;
    b->setGeometry(10 + col * 72, 548 + row * 26, 70, 24);
    b->setFont(style::font(n < 2 ? 13 : 12, n < 2));
    const QString text = b->text();
    connect(b, &QPushButton::clicked, this, [this, b, text, action] {
      if (text == QStringLiteral("セーブ")) {
        if (onSave) onSave(b->mapToGlobal(QPoint(0, 0)));
      } else if (text == QStringLiteral("ロード")) {
        if (onLoad) onLoad(b->mapToGlobal(QPoint(0, 0)));
      } else if (this->*action) {
        (this->*action)();
      }
    });
    buttons_.push_back(b);
    ++n;
  }
  buttons_[0]->setToolTip(QStringLiteral("次のステージに進みます"));
  buttons_[1]->setToolTip(QStringLiteral("フリーバトルに入ります"));

  name_ = label(this, QRect(392, 14, 230, 26), 20, true);
  name_->setToolTip(QStringLiteral("キャラの名前"));
  element_ = label(this, QRect(640, 16, 140, 22), 15, true);
  element_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  element_->setToolTip(QStringLiteral("キャラの属性\n受けるダメージに影響"));
  level_ = nullptr;
  // clang-format off
  const char* const tips[12] = {
      "キャラのレベル", "キャラの経験値\n経験値100でレベル1アップ", "キャラのHP\n0以下になると[死亡]",
      "キャラのSP\n技やクリーチャー召喚時に消費\n0以下になると[死亡]",
      "キャラの攻撃力\n与えるダメージに影響", "キャラの防御力\n受けるダメージに影響",
      "キャラの魔力\n特殊技の与えるダメージ、受けるダメージに影響", "キャラの移動力\n1度に移動できる距離",
      "キャラの召喚時間\nクリーチャーが[召喚済]になるのに必要なターン数\n召喚方法によって減少",
      "キャラの召喚コスト\nクリーチャーを召喚する際に消費するSP",
      "キャラの召喚キャパシティ\n同時に召喚できるクリーチャーの数に影響\n[召喚済]クリーチャーの合計召喚キャパが5を超える召喚はできない",
      "キャラのゾーン オブ コントロール\n相手のZOCに入るとそこで移動が終わる"};
  // clang-format on
  for (int i = 0; i < 12; ++i) {
    stats_[std::size_t(i)] = label(this, QRect(392 + (i % 4) * 100, 44 + (i / 4) * 22, 100, 20), 13);
    stats_[std::size_t(i)]->setToolTip(QString::fromUtf8(tips[i]));
  }

  skills_ = new QListWidget(this);
  skills_->setGeometry(380, 118, 200, 124);
  skills_->setFont(style::font(13));
  skills_->setToolTip(QStringLiteral("選択キャラの技が表示されます\nダブルクリックで技を[覚える/忘れる]\n◎覚えている技 ▲覚えていない技"));
  connect(skills_, &QListWidget::currentRowChanged, this, &PreparationPage::skillClicked);
  connect(skills_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { skillDoubleClicked(skills_->row(item)); });
  skillDetail_ = label(this, QRect(588, 118, 202, 58), 12);
  skillDetail_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  skillText_ = new QTextEdit(this);
  skillText_->setGeometry(586, 178, 204, 64);
  skillText_->setReadOnly(true);
  skillText_->setFont(style::font(12));
  skillText_->setFocusPolicy(Qt::NoFocus);

  abilities_ = new QListWidget(this);
  abilities_->setGeometry(380, 246, 410, 70);
  abilities_->setFont(style::font(12));
  // Long descriptions wrap inside the box rather than run off under a scroll bar.
  abilities_->setWordWrap(true);
  abilities_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  abilities_->setResizeMode(QListView::Adjust);
  abilities_->setToolTip(QStringLiteral(
      "選択キャラの特殊能力が表示されます\nマスターならダブルクリックで特殊能力を[覚える/忘れる]\n◎覚えている特殊能力 ▲覚えていない特殊能力"));
  connect(abilities_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { abilityDoubleClicked(abilities_->row(item)); });

  for (int f = 0; f < 8; ++f) {
    auto* b = new QPushButton(QString::fromUtf8(kFilterNames[f]), this);
    b->setGeometry(380 + f * 51, 320, 49, 24);
    b->setFont(style::font(13, true));
    b->setCheckable(true);
    if (f < 7) b->setStyleSheet(QStringLiteral("QPushButton { color: %1; }").arg(style::element(f).name()));
    connect(b, &QPushButton::clicked, this, [this, f] {
      screen_.SE(Sound::Filter);
      fillCreatureList(f);
    });
    filters_[std::size_t(f)] = b;
  }
  creatures_ = new QListWidget(this);
  creatures_->setGeometry(380, 346, 410, 170);
  creatures_->setFont(style::font(13));
  creatures_->setToolTip(QStringLiteral(
      "左の魔法円を選択すると、ここからクリーチャーをセットできます\n倒した事のあるクリーチャーなら\nダブルクリックでクリーチャーを取得"));
  connect(creatures_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { creatureClicked(creatures_->row(item)); });
  connect(creatures_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { creatureDoubleClicked(creatures_->row(item)); });

  bp_ = label(this, QRect(382, 521, 96, 22), 16, true);
  bp_->setStyleSheet(QStringLiteral("color: #f2d27a;"));
  method_ = new QComboBox(this);
  method_->setGeometry(480, 520, 120, 24);
  method_->setFont(style::font(13));
  method_->addItems({QStringLiteral("魔石召喚"), QStringLiteral("魔法円召喚")});
  methodText_ = label(this, QRect(606, 520, 190, 24), 11);
  connect(method_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (filling_ || i < 0) return;
    prep_.setMethod(i + 1);
    refreshAll();
  });

  job_ = new QComboBox(this);
  job_->setGeometry(380, 550, 120, 24);
  character_ = new QComboBox(this);
  character_->setGeometry(504, 550, 150, 24);
  extraStage_ = new QComboBox(this);
  extraStage_->setGeometry(658, 550, 132, 24);
  for (int i = 1; i <= 20; ++i) extraStage_->addItem(QStringLiteral("裏%1面").arg(i));
  for (QComboBox* box : {job_, character_, extraStage_}) box->setFont(style::font(13));
  auto masterChoice = [this] {
    if (filling_) return;
    selected_ = 0;
    board_->showPicture({});
    prep_.chooseMaster(job_->currentIndex(), character_->currentIndex());
    refreshAll();
    showEntry(s_.D->k[0].Type, true);
  };
  connect(job_, &QComboBox::currentIndexChanged, this, masterChoice);
  connect(character_, &QComboBox::currentIndexChanged, this, masterChoice);
  connect(extraStage_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (filling_) return;
    prep_.chooseExtraStage(i + 1);
    refreshAll();
  });
}

QImage PreparationPage::largePicture(i32 picture) const {
  return shell::archivePicture(gameDir_, "png.qda", std::to_string(picture) + ".png");
}

void PreparationPage::refreshIcons() {
  const Tdeta& d = *s_.D;
  for (int i = 0; i < 7; ++i) {
    const Tkst& unit = d.k[i];
    QPushButton* icon = icons_[std::size_t(i)];
    const bool filled = i == 0 || unit.Type > 0;
    icon->setIcon(filled ? QIcon(QPixmap::fromImage(art_.bitmap(unit.G))) : QIcon());
    icon->setText(filled ? QString() : QString::number(i));
    icon->setStyleSheet(i == selected_ ? QStringLiteral("QPushButton { border: 2px solid #fff0a0; }") : QString());
  }
}

void PreparationPage::refreshAll() {
  const Tdeta& d = *s_.D;
  const bool extra = s_.storyStage >= flow::kFirstExtraStage;
  board_->setExtraMode(extra);
  board_->setSelected(selected_);
  refreshIcons();
  bp_->setText(QStringLiteral("BP:%1").arg(c_.BP));
  filling_ = true;
  const int method = d.k[0].SH == MagicCircle ? 1 : 0;
  method_->setCurrentIndex(method);
  methodText_->setText(QString::fromUtf8(kMethodTexts[method]));
  filling_ = false;
  fillCombos();
  job_->setVisible(extra);
  character_->setVisible(extra);
  extraStage_->setVisible(extra && d.extraOpen != 0);
  fillCreatureList(filter_);
  const i32 entry = shown_ < 0 ? d.k[0].Type : shown_;
  showEntry(entry, true);
  update();
}

void PreparationPage::reset() {
  selected_ = 0;
  shown_ = -1;
  board_->showPicture({});
  refreshAll();
}

void PreparationPage::fillCombos() {
  const Tdeta& d = *s_.D;
  filling_ = true;
  job_->clear();
  for (int j = 0; j < 7; ++j) job_->addItem(d.jobOpen[j] ? QString::fromUtf8(kJobCaptions[j]) : QStringLiteral("──"));
  character_->clear();
  for (int c = 0; c < 11; ++c)
    character_->addItem(d.charOpen[c] ? QString::fromUtf8(kCharacterNames[c]) : QStringLiteral("──"));
  const i32 master = d.k[0].Type;
  if (master >= kFirstMaster) {
    job_->setCurrentIndex(jobOf(master));
    character_->setCurrentIndex(characterOf(master));
  }
  if (s_.storyStage >= flow::kFirstExtraStage) extraStage_->setCurrentIndex(std::clamp(s_.storyStage - 50, 0, 19));
  filling_ = false;
}

void PreparationPage::fillCreatureList(int filter) {
  const Tdeta& d = *s_.D;
  const int keepRow = filter == filter_ ? creatures_->currentRow() : -1;  // the same rows come back
  filter_ = filter;
  for (int f = 0; f < 8; ++f) filters_[std::size_t(f)]->setChecked(f == filter);
  const int keep = creatures_->verticalScrollBar()->value();
  creatures_->clear();
  auto* header = new QListWidgetItem(QStringLiteral("レベル   クリーチャー"));
  header->setData(Qt::UserRole, 0);
  header->setForeground(style::kGold);
  creatures_->addItem(header);
  for (int e = 0; e < 7; ++e) {
    if (filter != 7 && filter != e) continue;
    for (int t = 1; t <= prep::kLastCreatureType; ++t) {
      const Tcst& c = d.creatures[std::size_t(t)];
      if (c.Elem != e) continue;
      QString text;
      if (d.acquired[t]) text = QStringLiteral("lvl%1    %2").arg(c.Lv).arg(style::text(c.Name));
      else if (d.defeated[t]) text = QStringLiteral("未取得 ") + style::text(c.Name);
      else text = QStringLiteral("──");
      auto* item = new QListWidgetItem(text);
      item->setData(Qt::UserRole, t);
      item->setForeground(d.acquired[t] ? style::element(e) : kUnowned);
      creatures_->addItem(item);
    }
  }
  if (keepRow >= 0 && keepRow < creatures_->count()) creatures_->setCurrentRow(keepRow);
  creatures_->verticalScrollBar()->setValue(keep);
}

void PreparationPage::showEntry(i32 entry, bool force) {
  if (entry == shown_ && !force) return;
  const Tdeta& d = *s_.D;
  if (entry < 0 || entry >= kCreatureCount) entry = 0;
  shown_ = entry;
  const Tcst& c = d.creatures[std::size_t(entry)];
  name_->setText(style::text(c.Name));
  element_->setText(QString::fromUtf8(kElementCaptions[std::clamp(c.Elem, 0, 6)]));
  element_->setStyleSheet(QStringLiteral("color: %1;").arg(style::element(c.Elem).name()));
  const bool none = entry == 0;
  const i32 hp = none ? 0 : c.Lv * c.HPg * 2 / 100 + (entry < kFirstMaster ? c.Lv / 2 : c.Lv);
  auto stat = [&](i32 g) { return none ? 0 : c.Lv * g * 2 / 100; };
  const QString texts[12] = {QStringLiteral("レベル:%1").arg(c.Lv), QStringLiteral("経験値:%1/100").arg(c.Exp),
                             QStringLiteral("HP:%1").arg(hp),       QStringLiteral("SP:%1").arg(c.SP),
                             QStringLiteral("攻撃:%1").arg(stat(c.Atkg)), QStringLiteral("防御:%1").arg(stat(c.Defg)),
                             QStringLiteral("魔力:%1").arg(stat(c.Magg)), QStringLiteral("移動:%1").arg(c.Mov),
                             QStringLiteral("召喚時間:%1").arg(c.SumT), QStringLiteral("召喚コスト:%1").arg(c.SumC),
                             QStringLiteral("召喚キャパ:%1").arg(c.SumK), QStringLiteral("ZOC:%1").arg(c.ZOC)};
  for (int i = 0; i < 12; ++i) stats_[std::size_t(i)]->setText(texts[i]);

  const int keepSkill = skills_->currentRow();
  skills_->blockSignals(true);
  skills_->clear();
  for (std::size_t i = 0; i < c.Sk.size(); ++i) {
    const Twst& w = d.skills[std::size_t(std::clamp(c.Sk[i], 0, kSkillCount - 1))];
    auto* item = new QListWidgetItem((c.SkL.at(i) ? QStringLiteral("◎  ") : QStringLiteral("▲  ")) + style::text(w.Name));
    item->setForeground(style::element(w.Elem));
    skills_->addItem(item);
  }
  skills_->blockSignals(false);
  if (!force || keepSkill < 0 || keepSkill >= skills_->count()) {
    skillDetail_->clear();
    skillText_->clear();
  } else {
    skills_->setCurrentRow(keepSkill);
  }

  abilities_->clear();
  for (std::size_t i = 0; i < c.Ab.size(); ++i) {
    const Ttst& t = d.abilities[std::size_t(std::clamp(c.Ab[i], 0, kAbilityCount - 1))];
    const bool held = c.AbL.at(i) == 0 || c.AbL.at(i) == 1;
    abilities_->addItem((held ? QStringLiteral("◎") : QStringLiteral("▲")) + style::text(t.Name) +
                        QStringLiteral(" ： ") + oneLine(t.Desc));
  }
  if (c.TU != 0) {
    const Thst& u = d.specials[std::size_t(std::clamp(c.TU, 0, kSpecialCount - 1))];
    abilities_->addItem(QStringLiteral("◎") + style::text(u.Name) + QStringLiteral(" ： ") + oneLine(u.Desc));
  }
}

void PreparationPage::skillClicked(int row) {
  const Tdeta& d = *s_.D;
  const Tcst& c = d.creatures[std::size_t(shown_ < 0 ? 0 : shown_)];
  if (row < 0 || std::size_t(row) >= c.Sk.size()) return;
  const Twst& w = d.skills[std::size_t(std::clamp(c.Sk[std::size_t(row)], 0, kSkillCount - 1))];
  const QString area = w.Area == 99 ? QStringLiteral("全体") : QString::number(w.Area);
  skillDetail_->setText(QStringLiteral("<b>%1</b><br><span style='color:%2'>%3:</span>%4  威力%5  SP%6<br>命中%7%  "
                                       "ｸﾘﾃｨｶﾙ%8%  射程%9  範囲%10")
                            .arg(style::text(w.Name).toHtmlEscaped(), style::element(w.Elem).name(),
                                 QString::fromUtf8(kElementShort[std::clamp(w.Elem, 0, 6)]),
                                 w.Special ? QStringLiteral("特殊") : QStringLiteral("物理"))
                            .arg(w.Power)
                            .arg(w.Cost)
                            .arg(w.Hit)
                            .arg(w.Crit)
                            .arg(w.Range)
                            .arg(area));
  skillText_->setPlainText(style::lines(w.Desc));
}

void PreparationPage::skillDoubleClicked(int row) {
  const Tcst& c = s_.D->creatures[std::size_t(shown_ < 0 ? 0 : shown_)];
  if (row < 0 || std::size_t(row) >= c.Sk.size() || c.Sk[std::size_t(row)] == 0) return;
  if (c.SkL.at(std::size_t(row))) prep_.forgetSkill(shown_, row);
  else prep_.learnSkill(shown_, row);
  refreshAll();
  skills_->setCurrentRow(row);
}

void PreparationPage::abilityDoubleClicked(int row) {
  const Tcst& c = s_.D->creatures[std::size_t(shown_ < 0 ? 0 : shown_)];
  if (row < 0 || std::size_t(row) >= c.Ab.size()) return;
  prep_.toggleAbility(shown_, row);
  refreshAll();
  abilities_->setCurrentRow(row);
}

void PreparationPage::creatureClicked(int row) {
  const Tdeta& d = *s_.D;
  QListWidgetItem* item = creatures_->item(row);
  if (!item) return;
  const i32 type = item->data(Qt::UserRole).toInt();
  showEntry(type > 0 && d.acquired[type] ? type : 0);
  if (type > 0)
    for (int i = 1; i <= prep::kCircles; ++i)
      if (d.k[i].Type == type) return;
  if (selected_ < 1) return;
  prep_.place(selected_, type);
  refreshAll();
  if (d.k[selected_].Type > 0) board_->showPicture(largePicture(d.k[selected_].G));
}

void PreparationPage::creatureDoubleClicked(int row) {
  const Tdeta& d = *s_.D;
  QListWidgetItem* item = creatures_->item(row);
  if (!item) return;
  const i32 type = item->data(Qt::UserRole).toInt();
  if (type <= 0 || d.acquired[type] || !d.defeated[type]) return;
  if (prep_.acquire(type).done()) {
    refreshAll();
    showEntry(type, true);
  }
}

void PreparationPage::showLargePicture(int slot) {
  const Tkst& unit = s_.D->k[slot];
  if (slot == 0 || unit.Type == 0) {
    board_->showPicture({});
    showEntry(s_.D->k[0].Type);
    return;
  }
  board_->showPicture(largePicture(unit.G));
}

void PreparationPage::slotPressed(int slot, Qt::MouseButton button, bool icon) {
  const Tdeta& d = *s_.D;
  if (slot < 0) {  // the board or the large picture
    const bool wasShown = board_->pictureShown();
    board_->showPicture({});
    if (selected_ > 0 && !wasShown) screen_.SE(Sound::Cancel);
    if (!wasShown) selected_ = 0;
    refreshAll();
    showEntry(d.k[0].Type);
    return;
  }
  if (button == Qt::RightButton) {
    if (slot == 0) return;
    if (d.k[slot].Type != 0) prep_.remove(slot);
    else if (selected_ > 0) screen_.SE(Sound::Cancel);
    selected_ = 0;
    board_->showPicture({});
    refreshAll();
    showEntry(d.k[0].Type);
    return;
  }
  screen_.SE(Sound::Select);
  if (slot == selected_ && !icon) {
    showLargePicture(slot);
    return;
  }
  selected_ = slot;
  board_->setSelected(slot);
  refreshIcons();
  showEntry(d.k[slot].Type);
  if (icon) showLargePicture(slot);
  else board_->showPicture({});
}

void PreparationPage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient ground(0, 0, 0, 600);
  ground.setColorAt(0, QColor(0x22, 0x29, 0x36));
  ground.setColorAt(1, QColor(0x12, 0x16, 0x1e));
  p.fillRect(rect(), ground);
  shell::panel(p, QRectF(380, 10, 410, 104));
  // Wider than the lists above it, so "BP:" at its left clears the frame's edge.
  shell::panel(p, QRectF(374, 514, 422, 34));
}

// Tab leads from the board to the creature list, the skills, the abilities,
// the choices and the buttons; the icons and element filters stay with the
// mouse (the board and the list's arrows do their work by keys).
void PreparationPage::buildKeys() {
  for (QPushButton* b : icons_) b->setFocusPolicy(Qt::NoFocus);
  for (QPushButton* b : filters_) b->setFocusPolicy(Qt::NoFocus);
  for (QPushButton* b : buttons_) b->setAutoDefault(true);  // Enter presses them, as Space does
  std::vector<QWidget*> chain = {board_, creatures_, skills_, abilities_, method_, job_, character_, extraStage_};
  chain.insert(chain.end(), buttons_.begin(), buttons_.end());
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
  board_->installEventFilter(this);
  for (QWidget* w : {static_cast<QWidget*>(creatures_), static_cast<QWidget*>(skills_),
                     static_cast<QWidget*>(abilities_)})
    w->installEventFilter(this);
}

bool PreparationPage::boardCovered() const {
  const QWidget* top = childAt(board_->geometry().center());
  return top && top != board_ && top != boardFocus_;
}

bool PreparationPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == board_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
    boardFocus_->setVisible(event->type() == QEvent::FocusIn);
  if (event->type() == QEvent::KeyPress && listKey(watched, *static_cast<QKeyEvent*>(event))) return true;
  return QWidget::eventFilter(watched, event);
}

bool PreparationPage::listKey(QObject* watched, const QKeyEvent& key) {
  if (watched == creatures_) {
    if (isEnter(key) && (key.modifiers() & Qt::ShiftModifier)) creatureDoubleClicked(creatures_->currentRow());
    else if (isEnter(key)) creatureClicked(creatures_->currentRow());
    else if (isDelete(key)) slotPressed(selected_, Qt::RightButton, false);
    else if (key.key() == Qt::Key_Left || key.key() == Qt::Key_Right) {
      screen_.SE(Sound::Filter);
      fillCreatureList((filter_ + (key.key() == Qt::Key_Right ? 1 : 7)) % 8);
      creatures_->setCurrentRow(0);
    } else {
      return false;
    }
    return true;
  }
  if (watched == skills_ && isEnter(key)) {
    skillDoubleClicked(skills_->currentRow());
    return true;
  }
  if (watched == abilities_ && isEnter(key)) {
    abilityDoubleClicked(abilities_->currentRow());
    return true;
  }
  return false;
}

void PreparationPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The keys start on the board, where a player begins.
  const QWidget* focus = QApplication::focusWidget();
  if (!focus || !isAncestorOf(focus)) board_->setFocus(Qt::OtherFocusReason);
}

void PreparationPage::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    slotPressed(-1, Qt::LeftButton, false);
    if (onCloseOverlays) onCloseOverlays();
    return;
  }
  // The developer's export of the party as a stage definition.
  if (event->key() == Qt::Key_E && event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)) {
    if (onExport) onExport();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace sorvane
