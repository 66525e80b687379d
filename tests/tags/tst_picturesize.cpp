// The picture size reader: JPEG header through libjpeg, GIF header by hand,
// and every kind of file that must end in a clear error instead of a crash.
#include "apperror.h"
#include "jpegwriter.h"
#include "picturesize.h"
#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray gifBytes(int width, int height)
{
    // Header, logical screen without colour table, one 1x1 image, trailer.
    const char size[] = {char(width & 0xFF), char(width >> 8), char(height & 0xFF), char(height >> 8)};
    return QByteArray("GIF89a") + QByteArray(size, 4)
           + QByteArray("\x00\x00\x00\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;", 19);
}

} // namespace

class PictureSizeTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        writeFile(dir.filePath(name), bytes);
        return dir.filePath(name);
    }

private slots:
    void sizes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        const QString progressive = dir.filePath(QStringLiteral("progressive.JPEG"));
        QVERIFY(writeTestJpeg(progressive, 641, 479, true));
        QVERIFY(readFile(progressive).contains(QByteArray("\xFF\xC2", 2))); // SOF2: progressive indeed
        QTest::newRow("progressive JPEG") << progressive << QSize(641, 479);
        const QString large = dir.filePath(QStringLiteral("large.jpg"));
        QVERIFY(writeTestJpeg(large, 3000, 17, false));
        QTest::newRow("large JPEG padded after its end")
            << write(QStringLiteral("large.jpg"), readFile(large) + QByteArray(100, '\0')) << QSize(3000, 17);
        QTest::newRow("GIF") << write(QStringLiteral("a.gif"), gifBytes(300, 2)) << QSize(300, 2);
        QTest::newRow("GIF at the largest size")
            << write(QStringLiteral("b.GIF"), gifBytes(65535, 258)) << QSize(65535, 258);
    }
    void sizes()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QCOMPARE(readPictureSize(path), size);
    }

    void unreadablePicturesGiveAnErrorNamingTheFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QString source = dir.filePath(QStringLiteral("source.jpg"));
        QVERIFY(writeTestJpeg(source, 200, 100, false));
        const QByteArray jpeg = readFile(source);
        const qsizetype sos = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
        QByteArray corruptSof = jpeg;
        corruptSof[jpeg.indexOf(QByteArray("\xFF\xC0", 2)) + 3] = char(0x01);       // impossible length
        QTest::newRow("missing") << "none.jpg" << QByteArray() << "does not exist"; // null: not written
        QTest::newRow("zero bytes jpg") << "zero.jpg" << QByteArray("") << "empty";
        QTest::newRow("text named jpg") << "text.jpg" << QByteArray("<html></html>") << "JPEG";
        QTest::newRow("jpeg named gif") << "jpeg.gif" << jpeg << "GIF";
        QTest::newRow("cut in the header") << "cuthead.jpg" << jpeg.left(sos / 2) << "JPEG";
        QTest::newRow("cut in the data") << "cutdata.jpg" << jpeg.left(sos + (jpeg.size() - sos) / 2) << "cut short";
        QTest::newRow("corrupt frame header") << "corrupt.jpg" << corruptSof << "JPEG";
        QTest::newRow("random bytes after SOI")
            << "random.jpg" << QByteArray("\xFF\xD8", 2) + QByteArray(300, '\x5A') << "JPEG";
        QTest::newRow("gif cut in the header") << "cuthead.gif" << gifBytes(5, 5).left(8) << "GIF";
        QTest::newRow("gif cut in the data") << "cutdata.gif" << gifBytes(5, 5).chopped(3) << "cut short";
        QTest::newRow("gif without size") << "nosize.gif" << gifBytes(0, 5) << "no size";
        QTest::newRow("other kind") << "picture.png" << QByteArray("\x89PNG\r\n\x1A\n", 8) << "GIF and JPEG";
    }
    void unreadablePicturesGiveAnErrorNamingTheFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = bytes.isNull() ? dir.filePath(name) : write(name, bytes);
        QString message;
        try {
            readPictureSize(path);
        } catch (const AppError &error) {
            message = error.message();
        }
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        QVERIFY2(message.contains(reason), qPrintable(message));
    }
};

QTEST_MAIN(PictureSizeTest)
#include "tst_picturesize.moc"
