// The notice that a player's stored overall score differs from the sum of
// the player's best scores, which the windows show from now on.
#pragma once

#include <string>

#include "dialogs/advanced_form.h"
#include "records/guarded_values.h"

namespace tablerun {

class TfrmStatisOverallChangeData final : public C_TAdvancedForm {
  Q_OBJECT
 public:
  TfrmStatisOverallChangeData(const std::string& player, const TOverallScore& stored, const TOverallScore& sum,
                              QWidget* parent = nullptr);
};

}  // namespace tablerun
