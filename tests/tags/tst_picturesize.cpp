// The picture size reader: JPEG header through libjpeg, GIF header by hand,
// and every kind of file that must end in a clear error instead of a crash.
#include "apperror.h"
#include "jpegwriter.h"
#include "picturesize.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray gifBytes(int width, int height)
{
    // Header, logical screen without colour table, one 1x1 image, trailer.
    QByteArray gif("GIF89a");
    gif += char(width & 0xFF);
    gif += char(width >> 8);
    gif += char(height & 0xFF);
    gif += char(height >> 8);
    gif += QByteArray("\x00\x00\x00", 3);
    gif += QByteArray("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
    gif += QByteArray("\x02\x02\x44\x01\x00", 5);
    gif += ';';
    return gif;
}

} // namespace

class PictureSizeTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The error text, or "" when the size was read.
    QString failure(const QString &path)
    {
        try {
            readPictureSize(path);
        } catch (const AppError &error) {
            return error.message();
        }
        return {};
    }

private slots:
    void baselineJpegFromQt()
    {
        const QString path = dir.filePath(QStringLiteral("qt.jpg"));
        QImage image(123, 45, QImage::Format_RGB32);
        image.fill(Qt::green);
        QVERIFY(image.save(path, "JPG"));
        QCOMPARE(readPictureSize(path), QSize(123, 45));
    }

    void progressiveJpeg()
    {
        const QString path = dir.filePath(QStringLiteral("progressive.JPEG"));
        QVERIFY(writeTestJpeg(path, 641, 479, true));
        QVERIFY(read(path).contains(QByteArray("\xFF\xC2", 2))); // SOF2: progressive indeed
        QCOMPARE(readPictureSize(path), QSize(641, 479));
    }

    void largeJpegAndPaddingAfterTheEnd()
    {
        const QString path = dir.filePath(QStringLiteral("large.jpg"));
        QVERIFY(writeTestJpeg(path, 3000, 17, false));
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write(QByteArray(100, '\0'));
        file.close();
        QCOMPARE(readPictureSize(path), QSize(3000, 17));
    }

    void gifFromItsHeader()
    {
        QCOMPARE(readPictureSize(write(QStringLiteral("a.gif"), gifBytes(300, 2))), QSize(300, 2));
        QCOMPARE(readPictureSize(write(QStringLiteral("b.GIF"), gifBytes(65535, 258))), QSize(65535, 258));
        QByteArray old = gifBytes(7, 9);
        old.replace(3, 3, "87a");
        QCOMPARE(readPictureSize(write(QStringLiteral("c.gif"), old)), QSize(7, 9));
    }

    void unreadablePicturesGiveAnErrorNamingTheFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QByteArray jpeg;
        {
            const QString path = dir.filePath(QStringLiteral("source.jpg"));
            writeTestJpeg(path, 200, 100, false);
            jpeg = read(path);
        }
        const qsizetype sos = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
        QByteArray corruptSof = jpeg;
        corruptSof[jpeg.indexOf(QByteArray("\xFF\xC0", 2)) + 3] = char(0x01); // impossible length
        QTest::newRow("zero bytes jpg") << "zero.jpg" << QByteArray() << "empty";
        QTest::newRow("zero bytes gif") << "zero.gif" << QByteArray() << "empty";
        QTest::newRow("text named jpg") << "text.jpg" << QByteArray("<html></html>") << "JPEG";
        QTest::newRow("gif named jpg") << "gif.jpg" << gifBytes(5, 5) << "JPEG";
        QTest::newRow("jpeg named gif") << "jpeg.gif" << jpeg << "GIF";
        QTest::newRow("cut in the header") << "cuthead.jpg" << jpeg.left(sos / 2) << "JPEG";
        QTest::newRow("cut in the data") << "cutdata.jpg" << jpeg.left(sos + (jpeg.size() - sos) / 2) << "cut short";
        QTest::newRow("corrupt frame header") << "corrupt.jpg" << corruptSof << "JPEG";
        QTest::newRow("random bytes after SOI") << "random.jpg"
                                                << QByteArray("\xFF\xD8", 2) + QByteArray(300, '\x5A') << "JPEG";
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
        const QString path = write(name, bytes);
        const QString message = failure(path);
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        QVERIFY2(message.contains(reason), qPrintable(message));
    }

    void missingFileOrFolder()
    {
        QVERIFY(failure(dir.filePath(QStringLiteral("none.jpg"))).contains(QStringLiteral("does not exist")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.jpg")));
        QVERIFY(!failure(dir.filePath(QStringLiteral("folder.jpg"))).isEmpty());
    }

    void theSingleStepsReportWithoutThrowing()
    {
        QSize size(1, 1);
        QString reason;
        QVERIFY(!readJpegSize(dir.filePath(QStringLiteral("none.jpg")), size, reason));
        QVERIFY(!reason.isEmpty());
        QCOMPARE(size, QSize(1, 1));
        reason.clear();
        QVERIFY(!readGifSize(dir.filePath(QStringLiteral("none.gif")), size, reason));
        QVERIFY(!reason.isEmpty());
    }
};

QTEST_MAIN(PictureSizeTest)
#include "tst_picturesize.moc"
