#include "help/winhelp/KeywordTable.h"

#include "help/winhelp/BTree.h"
#include "help/winhelp/Windows1252.h"

namespace WinHelp {

QList<KeywordEntry> readKeywordTable(QByteArrayView tree, QByteArrayView data)
{
    QList<KeywordEntry> keywords;
    BTree(tree).forEachEntry([&](ByteReader& entry) {
        KeywordEntry keyword{fromWindows1252(entry.string()), {}};
        const quint16 count = entry.word();
        // Every offset is read from |KWDATA, so a count larger than the data throws before it is kept.
        ByteReader offsets(data, entry.signedDword());
        for (quint16 place = 0; place < count; ++place)
            keyword.offsets << offsets.signedDword();
        keywords << keyword;
    });
    return keywords;
}

} // namespace WinHelp
