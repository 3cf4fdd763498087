#pragma once

#include <functional>
#include <string>
#include <string_view>

// The three scans over body markup. Each goes through the markup once from
// left to right, recognises fixed marker texts by exact, case-sensitive
// comparison and hands every completed entry to add, in the order in which
// the entries' closing texts occur. step runs at the start of every scan
// step (the component lets the application process its messages there).
// Markers are only recognised while enough markup follows them; an entry
// already begun is collected up to the end.

using TScanAdd = std::function<void(const std::string&)>;
using TScanStep = std::function<void()>;

/// Collects the addresses of `<A href="...">` (upper-case tag, href first).
/// Returns true exactly when the markup ended inside an address whose
/// closing quote never came (that address is not added).
bool ScanLinks(std::string_view markup, const TScanAdd& add, const TScanStep& step = {});

/// Collects the value of the first `src="...` after each `<IMG `. Returns
/// true once an address has been begun.
bool ScanImages(std::string_view markup, const TScanAdd& add, const TScanStep& step = {});

/// Collects what stands between valueMark and endMark after startMark; a
/// value mark met inside a value restarts it, a start mark met there drops
/// it. The next step after an end mark starts right after the end mark.
/// Returns true once a value has been begun.
bool ScanVars(std::string_view markup, std::string_view startMark, std::string_view valueMark,
              std::string_view endMark, const TScanAdd& add, const TScanStep& step = {});
