#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

// Where the downloaded update program is written: a file "queltaupdate" in a new folder under
// the temporary-files folder that only this user can enter. The file is created new (never
// through an existing file or link), so no byte of an older download survives in it; it becomes
// executable only when asked, after it was verified. Unless kept, the file and its folder are
// removed again when the target goes away.
class UpdateTarget {
public:
    static inline const QString FileName = QStringLiteral("queltaupdate");

    // TMPDIR, else /tmp.
    static QString TempRoot();
    // A new private folder under root with the file in it; null when either cannot be made.
    static std::unique_ptr<UpdateTarget> Create(const QString& root = TempRoot());
    // The file made exclusively in an existing folder; null when anything is already there.
    // The folder is not removed with the file.
    static std::unique_ptr<UpdateTarget> CreateIn(const QString& folder);

    ~UpdateTarget();
    UpdateTarget(const UpdateTarget&) = delete;
    UpdateTarget& operator=(const UpdateTarget&) = delete;

    QString Path() const { return m_folder + u'/' + FileName; }
    bool Append(const QByteArray& bytes);
    qint64 Size() const { return m_size; }
    // What the file holds now, read back from the disk.
    QByteArray Contents() const;
    bool MakeExecutable();
    // The update program runs from here now: leave it.
    void Keep();
    // Removes the file (and the private folder) at once.
    void Discard();

private:
    UpdateTarget(QString folder, int fd, bool ownsFolder);

    QString m_folder;
    int m_fd;
    bool m_ownsFolder;
    bool m_kept = false;
    qint64 m_size = 0;
};
