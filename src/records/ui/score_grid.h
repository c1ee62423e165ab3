// What the score windows share: a read-only grid of text rows, a link that
// opens a web page, and starting a game chosen in a window.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QDialog;
class QGroupBox;
class QLabel;
class QRadioButton;
class QTableWidget;
class QWidget;

namespace tablerun {

// A grid with one header per column; rows are chosen whole.
QTableWidget* fnNewScoreGrid(QWidget* parent, const char* name, const QStringList& columns);
// What a column's cells hold. Numbers and dates ("yyyymmdd") are kept as
// such, so that sorting orders them by value and a date shows in the
// system's short form; a cell that does not read as one stays text.
enum class TCell { Text, Number, Date };
void fnFillScoreGrid(QTableWidget& grid, const std::vector<QStringList>& rows, const std::vector<TCell>& kinds = {});
// The first row whose first cell reads `text`; -1 when none does.
int fnGridRowOf(const QTableWidget& grid, const QString& text);

// A titled choice between two buttons, the first one chosen.
struct TChoicePair {
  QGroupBox* group;
  QRadioButton* first;
  QRadioButton* second;
};
struct TChoice {
  const char* name;
  const char* caption;
};
TChoicePair fnNewChoicePair(QWidget* parent, const char* name, const QString& title, TChoice first, TChoice second);

// A label showing `address` that opens it in the browser.
QLabel* fnNewWebLink(QWidget* parent, const char* name, const char* address);

// Starts the chosen game for the current player with a new game number;
// false when the player stayed with the game in progress.
using TPlayGame = std::function<bool(int gameCode)>;

// The windows step aside while the game is asked for and come back when it
// did not start; true when it did.
bool fnPlayGameAside(const TPlayGame& play, int gameCode, const std::vector<QDialog*>& windows);

}  // namespace tablerun
