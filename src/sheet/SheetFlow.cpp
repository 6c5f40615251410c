#include "sheet/SheetFlow.h"

#include <algorithm>
#include <numeric>

namespace SheetFlow {

QList<Span> grow(const QList<Block>& blocks)
{
    // Blocks are placed in the order of their bottoms, so that all that ends above a block is placed
    // before it. Each placed block remembers how far its bottom moved.
    QList<qsizetype> order(blocks.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&blocks](qsizetype a, qsizetype b) { return blocks[a].bottom < blocks[b].bottom; });

    QList<std::pair<int, int>> moved; // designed bottom, how far it moved
    // How far a point moves: as far as the farthest moved bottom above it.
    const auto shift = [&moved](int y, bool touching) {
        int by = 0;
        for (const auto& [bottom, distance] : std::as_const(moved)) {
            if (bottom < y || (touching && bottom == y))
                by = std::max(by, distance);
        }
        return by;
    };

    QList<Span> spans(blocks.size());
    for (qsizetype index : std::as_const(order)) {
        const Block& block = blocks[index];
        const int top = block.top + shift(block.top, true);
        const int height = std::max(block.needed, block.bottom - block.top);
        const int bottom = std::max(top + height, block.bottom + shift(block.bottom, false));
        spans[index] = {top, bottom};
        moved << std::pair{block.bottom, bottom - block.bottom};
    }
    return spans;
}

QList<int> pageTops(const QList<Placed>& blocks, int pageHeight)
{
    int end = 0;
    for (const Placed& block : blocks)
        end = std::max(end, block.span.bottom);

    QList<int> tops{0};
    if (pageHeight <= 0)
        return tops;
    while (end - tops.last() > pageHeight) {
        const int pageTop = tops.last();
        int cut = pageTop + pageHeight;
        // Moving the break up above one block can put it inside another: look again until none is cut.
        for (bool moved = true; moved;) {
            moved = false;
            for (const Placed& block : blocks) {
                if (block.breaksAnywhere || block.span.top >= cut || block.span.bottom <= cut)
                    continue;
                // The last line break at or above the cut, found in the ordered breaks.
                const auto after = std::upper_bound(block.lineBreaks.cbegin(), block.lineBreaks.cend(), cut);
                const int allowed = after == block.lineBreaks.cbegin()
                                        ? block.span.top
                                        : std::max(block.span.top, *(after - 1));
                if (allowed < cut) {
                    cut = allowed;
                    moved = true;
                }
            }
        }
        tops << (cut > pageTop ? cut : pageTop + pageHeight);
    }
    return tops;
}

} // namespace SheetFlow
