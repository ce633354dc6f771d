#include "collections/collectionsfixture.h"

#include "collections/testfiles.h"

#include <QDir>
#include <QTest>

namespace weftara::testing {

CollectionsFixture::CollectionsFixture()
    : ws(form.workspace())
{
    form.resize(900, 650);
}

QStringList CollectionsFixture::writePictures(const QString &folder, int count, QSize size)
{
    QDir(dir.path()).mkpath(folder);
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString file = path(QStringLiteral("%1/p%2.bmp").arg(folder).arg(i + 1, 2, 10, QChar(u'0')));
        if (!writeSolidPicture(file, size, colourOf(i)))
            return {};
        paths << file;
    }
    return paths;
}

QColor CollectionsFixture::colourOf(int index)
{
    return distinctColour(index);
}

} // namespace weftara::testing
