#include "tests/support/testdb.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLockFile>
#include <QUuid>
#include <algorithm>

#include "core/services/paths.h"
#include "tools/admin/dbsetup/dbsetup.h"

namespace ledgrix::test {
namespace {

// Fingerprint of every script under db/: a template built from other scripts is stale.
QString scriptsFingerprint() {
    QStringList files;
    QDirIterator it(QStringLiteral(LEDGRIX_DB_DIR), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
    std::sort(files.begin(), files.end());
    QCryptographicHash h(QCryptographicHash::Sha1);
    for (const QString& f : files) {
        QFile file(f);
        if (!file.open(QIODevice::ReadOnly)) continue;
        h.addData(f.toUtf8());
        h.addData(file.readAll());
    }
    return QString::fromLatin1(h.result().toHex().left(12));
}

bool copyTree(const QString& from, const QString& to) {
    QDir src(from);
    if (!QDir().mkpath(to)) return false;
    for (const QFileInfo& fi : src.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + fi.fileName();
        if (fi.isDir()) {
            if (!copyTree(fi.filePath(), target)) return false;
        } else if (!QFile::copy(fi.filePath(), target)) {
            return false;
        } else {
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                              QFile::WriteGroup);
        }
    }
    return true;
}

}  // namespace

QString TestInstallation::scratchRoot() {
    QString root = qEnvironmentVariable("LEDGRIX_TEST_TMP");
    if (root.isEmpty()) root = QDir::tempPath() + QStringLiteral("/ledgrix-tests");
    QDir().mkpath(root);
    return root;
}

QString templateInstallation(QString* error) {
    const QString dir = TestInstallation::scratchRoot() + QStringLiteral("/template-") + scriptsFingerprint();
    const QString done = dir + QStringLiteral("/.listo");
    if (QFile::exists(done)) return dir;
    QLockFile lock(dir + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);
    if (!lock.lock()) {
        *error = QStringLiteral("cannot lock the template folder");
        return {};
    }
    if (QFile::exists(done)) return dir;  // another test program built it meanwhile
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    dbsetup::Options options;
    options.replace = true;
    const dbsetup::Result r = dbsetup::createDemo(dir, options);
    if (!r.ok) {
        *error = r.message;
        return {};
    }
    QFile f(done);
    if (!f.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot mark the template as built");
        return {};
    }
    return dir;
}

std::unique_ptr<TestInstallation> TestInstallation::create() {
    QString error;
    const QString tpl = templateInstallation(&error);
    if (tpl.isEmpty()) {
        ADD_FAILURE() << "Template databases could not be built: " << error.toStdString();
        return nullptr;
    }
    const QString dir = scratchRoot() + QStringLiteral("/inst-") +
                        QUuid::createUuid().toString(QUuid::WithoutBraces).left(13);
    if (!copyTree(tpl + QStringLiteral("/datos"), dir + QStringLiteral("/datos"))) {
        ADD_FAILURE() << "Could not copy the template databases to " << dir.toStdString();
        return nullptr;
    }
    QFile cfg(dir + QStringLiteral("/conexion.cfg"));
    if (cfg.open(QIODevice::WriteOnly)) cfg.write((dir + QStringLiteral("\r\n")).toUtf8());
    return std::unique_ptr<TestInstallation>(new TestInstallation(dir));
}

TestInstallation::~TestInstallation() {
    if (!qEnvironmentVariableIsSet("LEDGRIX_KEEP_TEST_DBS")) QDir(dir_).removeRecursively();
}

QString TestInstallation::companyDatabase() const { return paths::companyDatabase(dir_, QStringLiteral("001")); }
QString TestInstallation::generalDatabase() const { return paths::generalDatabase(dir_); }

}  // namespace ledgrix::test
