// Layout of a horizontal rule: its line inside the block's content box.

#include <algorithm>

#include "engine/document/block.h"

namespace kelvor::engine {

int TRuleBlock::layoutContent(LayoutContext&, int x, int width, int, TIndentMap&, int y,
                              int& neededWidth) {
    int ruleW = width;
    neededWidth = 0;
    if (rule.width.given) {
        if (rule.width.percent) {
            ruleW = static_cast<int>(static_cast<long long>(std::max(0, width)) * rule.width.value /
                                     100);
        } else {
            ruleW = rule.width.value;
            neededWidth = ruleW;
        }
    }
    ruleWidth = std::max(0, ruleW);
    switch (rule.align) {
        case TextAlignment::left:
            ruleX = x;
            break;
        case TextAlignment::right:
            ruleX = std::max(x, x + width - ruleWidth);
            break;
        default:
            ruleX = std::max(x, x + (width - ruleWidth) / 2);
            break;
    }
    return y + rule.size;
}

WidthRange TRuleBlock::contentWidthRange(LayoutContext&) {
    if (rule.width.given && !rule.width.percent)
        return WidthRange{rule.width.value, rule.width.value};
    return {};
}

}  // namespace kelvor::engine
