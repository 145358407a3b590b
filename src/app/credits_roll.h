// The credits roll on the story page: the staff, then the credits file beside
// the game (the outside authors and licences of the art and music), then
// "おしまい", rising slowly over a background until "おしまい" stands in
// the middle of the page.
#pragma once

#include <string_view>
#include <vector>

#include <QImage>
#include <QString>

class QPainter;

namespace sorvane {

enum class RollKind {
  Title,    // the game's name and "おしまい"
  Heading,  // a role or a section
  Name,     // who
  Label,    // a line of the credits file that introduces the next ones
  Text,     // a line of the credits file
  Link,     // an address or a licence's page
  Gap,      // an empty line
};

struct RollLine {
  RollKind kind;
  QString text;
};

// The staff, then every line of the credits file (UTF-8), then "おしまい".
std::vector<RollLine> creditsLines(std::string_view creditsFile);

class CreditsRoll {
 public:
  static constexpr double kPixelsPerSecond = 42.0;
  static constexpr int kHoldMs = 4000;  // "おしまい" stays this long before the roll ends

  CreditsRoll(std::vector<RollLine> lines, QImage backdrop);

  // How far the roll has risen after `ms`; it stops once "おしまい" is centred.
  double offsetAt(qint64 ms) const;
  // When the roll is over: risen to the end and held there.
  qint64 endMs() const;

  // The whole 800 x 600 page with the roll risen by `offset` pixels.
  void paint(QPainter& painter, double offset);

  double height() const { return height_; }

 private:
  struct Placed {
    RollLine line;
    double top;      // in the roll, from its first line
    double height;   // its line box
    QImage picture;  // rendered for the painter's pixel ratio
  };
  void render(qreal pixelRatio);

  std::vector<Placed> placed_;
  QImage backdrop_;
  double height_ = 0;
  double stopOffset_ = 0;
  qreal renderedRatio_ = 0;
};

}  // namespace sorvane
