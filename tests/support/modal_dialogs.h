// Acting on a modal dialog from inside the test while its own loop runs.
#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace tablerun::testing {

// Acts on the modal dialog of type T as soon as it is open, looking every 10 ms.
template <class T>
void fnWhenOpen(std::function<void(T&)> act, int triesLeft = 300) {
  QTimer::singleShot(10, [act = std::move(act), triesLeft] {
    if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
      act(*dialog);
      // A check that failed leaves the dialog open: the test goes on to report it.
      if (dialog->isVisible()) dialog->reject();
    } else if (triesLeft > 0) {
      fnWhenOpen<T>(act, triesLeft - 1);
    }
  });
}

}  // namespace tablerun::testing
