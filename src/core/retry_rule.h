#pragma once

namespace vt {

// When a single-register write is sent a second time. The second result is never examined.
enum class RetryRule {
    None,
    OnNoAnswer,    // again only when the first result is "no valid answer" (-8888)
    OnAnyFailure,  // again on any negative result
};

}  // namespace vt
