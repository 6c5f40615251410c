#include "help/winhelp/BTree.h"

namespace WinHelp {

namespace {

constexpr quint16 Magic = 0x293B;
constexpr int HeaderSize = 38;
constexpr int LeafPageHeaderSize = 8;

} // namespace

BTree::BTree(QByteArrayView file)
{
    ByteReader header(file);
    if (header.word() != Magic)
        throw Damaged("a B+ tree without its signature");
    header.skip(2); // flags
    m_pageSize = header.word();
    m_structure = ByteReader(header.take(16)).string().toByteArray();
    header.skip(4); // always zero, page splits
    m_rootPage = header.signedWord();
    header.skip(2); // always -1
    m_pageCount = header.signedWord();
    m_levels = header.signedWord();
    m_entryCount = header.signedDword();
    if (m_pageSize < LeafPageHeaderSize || m_pageCount < 1 || m_levels < 1 || m_levels > m_pageCount)
        throw Damaged("a B+ tree header out of range");
    m_pages = ByteReader(file, HeaderSize).take(qsizetype(m_pageCount) * m_pageSize);
    page(m_rootPage);
}

QByteArrayView BTree::page(int number) const
{
    if (number < 0 || number >= m_pageCount)
        throw Damaged("a B+ tree page number out of range");
    return m_pages.sliced(qsizetype(number) * m_pageSize, m_pageSize);
}

void BTree::forEachEntry(const std::function<void(ByteReader&)>& visit) const
{
    // The first leaf page: down the first child of each index page.
    int number = m_rootPage;
    for (int level = 1; level < m_levels; ++level) {
        ByteReader index(page(number));
        index.skip(4); // free bytes, entries
        number = index.signedWord();
    }
    for (int visited = 0; number != -1; ++visited) {
        if (visited == m_pageCount)
            throw Damaged("a B+ tree whose pages run in a circle");
        ByteReader leaf(page(number));
        leaf.skip(2); // free bytes
        const int entries = leaf.signedWord();
        leaf.skip(2); // previous page
        number = leaf.signedWord();
        for (int entry = 0; entry < entries; ++entry)
            visit(leaf);
    }
}

} // namespace WinHelp
