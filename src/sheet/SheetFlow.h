#pragma once

#include <QList>

// Where the items of a sheet go once every text has the room it needs, and where its pages break.
// Lengths are in any one unit, growing downwards.
namespace SheetFlow {

struct Block {
    int top;
    int bottom;
    int needed = 0; // the height its text needs; 0 for a frame, which only holds other blocks
};

struct Span {
    int top;
    int bottom;
};

// A block that needs more height than it was given grows, and whatever stood below it moves down by as
// much, while what stands beside it stays. A frame grows with the blocks it holds. The spans come in the
// order of the blocks.
QList<Span> grow(const QList<Block>& blocks);

struct Placed {
    Span span;
    QList<int> lineBreaks; // where a page may break inside the block, between two of its lines, in order
    bool breaksAnywhere = false; // a frame's border may be broken anywhere
};

// The tops of the pages that hold the blocks, the first at 0. A page breaks only between blocks or
// between the lines of a block, never through a line; only a line taller than a page is cut.
QList<int> pageTops(const QList<Placed>& blocks, int pageHeight);

} // namespace SheetFlow
