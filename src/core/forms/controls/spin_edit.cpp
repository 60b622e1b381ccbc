#include "core/forms/controls/spin_edit.h"

#include "core/text/whole_number.h"

namespace dorvik {

int TSpinEdit::Value() const {
    return TryReadWholeNumber(text_).value_or(MinValue);
}

} // namespace dorvik
