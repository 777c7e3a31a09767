#include "support/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/Paths.h"

namespace orvex::test {
namespace {

void CopyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo& info : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + u'/' + info.fileName();
        if (info.isDir())
            CopyTree(info.filePath(), target);
        else
            ASSERT_TRUE(QFile::copy(info.filePath(), target)) << info.filePath().toStdString();
    }
}

}  // namespace

QString ImageFolder() {
    return QStringLiteral(ORVEX_IMAGE_DIR);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void ProgramFolderTest::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    CopyTree(ImageFolder() + "/config", Folder() + "config");
    CopyTree(ImageFolder() + "/data", Folder() + "data");
    QDir().mkpath(Folder() + "bkp");
    QDir().mkpath(Folder() + "photo");
    OverrideProgramFolder(Folder());
    InitPaths();
    InstallPrompter(&prompts);
}

void ProgramFolderTest::TearDown() {
    InstallPrompter(nullptr);
    OverrideProgramFolder({});
    EXPECT_EQ(prompts.Unexpected(), 0) << "questions asked without a scripted answer:\n"
                                       << prompts.Texts().join(u'\n').toStdString();
    EXPECT_EQ(prompts.Unused(), 0) << "scripted answers left unused";
}

QString ProgramFolderTest::Folder() const {
    return QDir(m_dir.path()).absolutePath() + u'/';
}

QString ProgramFolderTest::Path(const QString& relative) const {
    return Folder() + relative;
}

}  // namespace orvex::test
