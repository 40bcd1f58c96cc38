#include "shell/qt/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shell/state_record.h"

namespace vexalon {
namespace {

enum class Read { Missing, Unreadable, Whole };

// Never blocks on a FIFO or a device, and reads only a regular file.
Read ReadFile(const QString& path, QByteArray& bytes) {
  int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? Read::Missing : Read::Unreadable;
  struct stat info {};
  QFile file;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
    ::close(fd);
    return Read::Unreadable;
  }
  bytes = file.readAll();
  return file.error() == QFileDevice::NoError ? Read::Whole : Read::Unreadable;
}

// Where a key's line of [General] stands (keys before any section belong
// to it), or where one would go; and its value as written.
struct Entry {
  qsizetype begin = -1, end = -1;  // the line, without its line break
  qsizetype general = -1;          // just past the "[General]" line
  std::optional<QString> value;
};

Entry FindKey(const QByteArray& bytes, const QByteArray& key) {
  Entry entry;
  bool inGeneral = true;
  for (qsizetype begin = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0, end; begin < bytes.size(); begin = end + 1) {
    end = bytes.indexOf('\n', begin);
    if (end < 0) end = bytes.size();
    QByteArray line = bytes.mid(begin, end - begin).trimmed();
    if (line.startsWith('[') && line.endsWith(']')) {
      inGeneral = line == "[General]";
      if (inGeneral && entry.general < 0) entry.general = end + 1;
    } else if (inGeneral && entry.begin < 0 && line.contains('=') && line.left(line.indexOf('=')).trimmed() == key) {
      QByteArray value = line.mid(line.indexOf('=') + 1).trimmed();
      if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"')) value = value.mid(1, value.size() - 2);
      entry = {begin, bytes.at(end - 1) == '\r' ? end - 1 : end, entry.general, QString::fromUtf8(value)};
    }
  }
  return entry;
}

QString HiScoreIn(const QByteArray& bytes) { return FindKey(bytes, "HiScore").value.value_or(QStringLiteral("0")); }

QByteArray WithKey(QByteArray bytes, const QByteArray& key, const QString& text) {
  if (!bytes.isEmpty() && !bytes.endsWith('\n')) bytes += '\n';
  Entry entry = FindKey(bytes, key);
  QByteArray line = key + '=' + text.toUtf8();
  if (entry.begin >= 0) return bytes.replace(entry.begin, entry.end - entry.begin, line);
  if (entry.general >= 0) return bytes.insert(entry.general, line + '\n');
  return bytes + "[General]\n" + line + '\n';
}

}  // namespace

QString SettingsStore::Path() const {
  if (!fileName_.isEmpty()) return fileName_;
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Brantomel/Brantomel.ini";
}

QString SettingsStore::ReadHiScore() {
  QByteArray bytes;
  Read read = ReadFile(Path(), bytes);
  unreadable_ = read == Read::Unreadable;
  // Only "false" silences the game; a missing or odd value leaves it heard.
  soundOn_ = read != Read::Whole || FindKey(bytes, "Sound").value != QStringLiteral("false");
  return read == Read::Whole ? HiScoreIn(bytes) : QStringLiteral("0");
}

bool SettingsStore::WriteHiScore(const QString& text, HiScoreChange change, std::optional<bool> sound) const {
  if (unreadable_) return false;
  // A link is followed to the file it names, and the link kept.
  QFileInfo info(Path());
  QString target = info.isSymLink() ? info.canonicalFilePath() : info.absoluteFilePath();
  if (target.isEmpty() || !QDir().mkpath(QFileInfo(target).absolutePath())) return false;
  QLockFile lock(target + ".lock");  // against another window closing at the same moment
  lock.tryLock(2000);
  QByteArray bytes;
  Read read = ReadFile(target, bytes);
  if (read == Read::Unreadable) return false;
  QByteArray contents = bytes;
  bool otherRecordStands = change == HiScoreChange::Record &&
                           HiScoreValue(text.toStdString()) <= HiScoreValue(HiScoreIn(bytes).toStdString());
  if (read != Read::Whole || (change != HiScoreChange::None && !otherRecordStands)) contents = WithKey(contents, "HiScore", text);
  if (sound) contents = WithKey(contents, "Sound", *sound ? QStringLiteral("true") : QStringLiteral("false"));
  if (read == Read::Whole && contents == bytes) return true;
  QSaveFile file(target);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(contents) != contents.size()) return false;
  return file.commit();
}

}  // namespace vexalon
