#include "engine/session/pointer_script.h"

#include <optional>
#include <sstream>

#include "config/text.h"
#include "engine/history/table_state_lines.h"
#include "engine/pointer/pile_geometry.h"

namespace tablerun {
namespace {

// Pressed just inside the card's top-left corner, which stays in view
// whichever way the pile is fanned.
constexpr int kInset = 1;

struct TPoint {
  int x;
  int y;
};

// The pile and the card place named by the words, or why not.
struct TTarget {
  TPileRef pile{};
  TRect rect;
  std::string error;
};

TTarget fnTarget(const TPlaySession& session, const std::string& pileName, const std::string& positionText) {
  const auto pile = fnParsePileName(pileName);
  const TPileGeometry geometry = fnPileGeometry(session.state);
  if (!pile || !geometry.OnTable(*pile)) return {.pile = {}, .rect = {}, .error = "unknown pile " + pileName};
  const int count = geometry.View().Count(*pile);
  int position = count > 0 ? count : 1;
  if (!positionText.empty()) {
    const auto number = fnParseInteger(positionText);
    if (!number || *number < 1 || *number > count)
      return {.pile = *pile, .rect = {}, .error = "no card " + positionText + " on " + pileName};
    position = static_cast<int>(*number);
  }
  return {.pile = *pile, .rect = geometry.CardRect(*pile, position - 1), .error = {}};
}

TPoint fnPressPoint(const TRect& rect) { return {rect.left + kInset, rect.top + kInset}; }

}  // namespace

TScriptStep fnPlayScriptLine(TPlaySession& session, std::string_view line) {
  std::istringstream words{std::string(line)};
  std::string action;
  std::string first;
  std::string second;
  std::string third;
  words >> action >> first >> second >> third;
  if (action.empty() || action.starts_with("#")) return {};

  const TSnapshot before = fnTakeSnapshot(session.state.table, session.state.cards);
  TPointerInput& pointer = session.pointer;
  const auto fail = [](std::string error) {
    return TScriptStep{.understood = false, .error = std::move(error), .changed = false};
  };
  if (action == "undo" || action == "redo") {
    if (!first.empty()) return fail("unexpected words after " + action);
    action == "undo" ? session.Undo() : session.Redo();
  } else if (action == "drag") {
    const TTarget from = fnTarget(session, first, second);
    if (!from.error.empty()) return fail(from.error);
    if (second.empty()) return fail("drag needs a position");
    const TTarget to = fnTarget(session, third, "");
    if (!to.error.empty()) return fail(to.error);
    const TPoint press = fnPressPoint(from.rect);
    // Dropped with the lifted card right on the destination's top place.
    const TRect place = fnPileGeometry(session.state).TopRect(to.pile);
    const TPoint release = {place.left + kInset, place.top + kInset};
    pointer.MouseDown(TMouseButton::Left, false, press.x, press.y);
    pointer.MouseMove(release.x, release.y);
    pointer.MouseUp(TMouseButton::Left, release.x, release.y);
  } else if (action == "click" || action == "dblclick" || action == "rclick") {
    if (!third.empty()) return fail("unexpected words after " + action);
    const TTarget at = fnTarget(session, first, second);
    if (!at.error.empty()) return fail(at.error);
    const TPoint press = fnPressPoint(at.rect);
    const TMouseButton button = action == "rclick" ? TMouseButton::Right : TMouseButton::Left;
    pointer.MouseDown(button, false, press.x, press.y);
    pointer.MouseUp(button, press.x, press.y);
    if (action == "dblclick") {
      pointer.DblClick(press.x, press.y);
      pointer.MouseUp(button, press.x, press.y);
    }
  } else {
    return fail("unknown action " + action);
  }
  return {
      .understood = true, .error = {}, .changed = fnTakeSnapshot(session.state.table, session.state.cards) != before};
}

}  // namespace tablerun
