// The fields of the window held in memory, for running calculations without a window.
#pragma once

#include <array>
#include <vector>

#include "core/calculation_run.h"

namespace velmoro {

/// One thing a run did to the fields, in the order it did it.
struct FieldEffect {
    enum class Kind { Write, NeedleRefresh, Notice };
    Kind kind;
    Field field;  ///< written field (Write only)
    Text text;    ///< written text or notice message

    bool operator==(const FieldEffect&) const = default;
};

/// Field texts as the window starts with them: INITIAL_TEXT in the four visible fields, the control
/// name in the hidden ones. Locator texts written here are not upper-cased: callers that stand for
/// typing pass them through upperCaseText. Records the effects of runs when asked to.
class FieldStore final : public FieldInterface {
public:
    explicit FieldStore(bool recordEffects = false);

    Text readText(Field field) const override;
    void writeText(Field field, const Text& text) override;
    void refreshNeedle() override;
    void showNotice(const Text& message) override;

    /// The text of a field without copying it.
    const Text& text(Field field) const;
    /// Everything written, refreshed and noticed since construction or clearEffects().
    const std::vector<FieldEffect>& effects() const { return effects_; }
    void clearEffects() { effects_.clear(); }

private:
    std::array<Text, FIELD_COUNT> texts_;
    bool recordEffects_;
    std::vector<FieldEffect> effects_;
};

}  // namespace velmoro
