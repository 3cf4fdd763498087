#pragma once

#include <cstdint>
#include <string_view>

/// An estimate, made in one quick pass, of the work the HTML parser's tree
/// building does for the markup: the sum, over all tags, of the depth of
/// the open elements at that tag. The parser walks the stack of open
/// elements for many tags, so markup that leaves thousands of elements open
/// costs time quadratic in its size; this estimate lets the browser refuse
/// such a page instead of appearing to hang.
std::uint64_t EstimatedParseCost(std::string_view markup);
