#pragma once

#include "help/winhelp/ByteReader.h"

#include <functional>

namespace WinHelp {

// A B+ tree of a help file (the directory, |CONTEXT): a header, then pages of one size. Its entries are
// read from the leaf pages, which a chain of next-page numbers links in order.
class BTree {
public:
    // Reads the header; throws Damaged when it does not describe pages inside `file`.
    explicit BTree(QByteArrayView file);

    int pageSize() const { return m_pageSize; }
    int levels() const { return m_levels; }
    qint32 entryCount() const { return m_entryCount; }
    // The characters that describe an entry ("z4": a name and a 32-bit value).
    QByteArray structure() const { return m_structure; }

    // Calls `visit` once for each entry of the leaf pages, in order, with a reader standing on the entry
    // and bounded by its page; `visit` reads the entry. Throws Damaged on a page chain that leaves the tree
    // or runs in a circle.
    void forEachEntry(const std::function<void(ByteReader&)>& visit) const;

private:
    QByteArrayView page(int number) const;

    QByteArrayView m_pages;
    QByteArray m_structure;
    int m_pageSize = 0;
    int m_rootPage = 0;
    int m_pageCount = 0;
    int m_levels = 0;
    qint32 m_entryCount = 0;
};

} // namespace WinHelp
