// How to publish the overall score: the page to open and the code to paste.
#pragma once

#include <string>

#include "dialogs/advanced_form.h"

namespace tablerun {

class TfrmStatisOverallInternet1 final : public C_TAdvancedForm {
  Q_OBJECT
 public:
  explicit TfrmStatisOverallInternet1(const std::string& webCode, QWidget* parent = nullptr);
};

}  // namespace tablerun
