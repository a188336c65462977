#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

// Mounts that only the calling thread sees, with the threads and processes it starts afterwards:
// the thread is given a mount namespace of its own, and nothing mounted there reaches the rest of
// the machine. So a test may put a stand-in at an engine's place, or make a folder read-only,
// for the engines of its own run alone. The mounts are undone when the object goes (the thread
// keeps its namespace, which then shows what the machine's does). Where this process may not
// mount, isReady() is false and why() says so.
namespace testsupport {
class PrivateMounts
{
public:
    PrivateMounts();
    ~PrivateMounts();
    PrivateMounts(const PrivateMounts &) = delete;
    PrivateMounts &operator=(const PrivateMounts &) = delete;

    bool isReady() const { return m_why.isEmpty(); }
    const QString &why() const { return m_why; }

    // Shows the file at source in the place of the file at target. False, with why(), when that
    // cannot be done.
    bool bindFile(const QString &source, const QString &target);
    // Makes folder read-only, as a write-protected disk is (the right to write of root included).
    bool makeReadOnly(const QString &folder);
    // Puts a file that cannot be run (made in folder, without the right to execute) in the place of
    // program, as a broken installation leaves it.
    bool makeUnrunnable(const QString &program, const QString &folder);
    // Puts a shell script (made in folder) in the place of program, as an engine that misbehaves
    // in its own way would be.
    bool replaceWithScript(const QString &program, const QByteArray &script, const QString &folder);

private:
    bool failed(const QString &what);
    // Writes content with permissions to standIn and shows it in the place of program.
    bool bindStandIn(const QString &program, const QString &standIn, const QByteArray &content,
                     QFile::Permissions permissions);

    QStringList m_mounted;   // in the order they were made
    QString m_why;
};
} // namespace testsupport
