// The high score in the user's settings file, through the faults a real
// home folder can have.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "shell/qt/settings_store.h"

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace vexalon {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

// Permissions mean nothing to root, so those cases run as nobody.
void AsUnprivileged(const std::function<void()>& body) {
  if (::geteuid() != 0) return body();
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
    if (dropped) body();
    ::_exit(!dropped || ::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

class Settings : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ::chmod(dir_.path().toLocal8Bit().constData(), 0777);
  }
  QString Path(const char* name = "Brantomel.ini") const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
};

TEST_F(Settings, UserFileLivesUnderTheConfigHome) {
  // main() pointed XDG_CONFIG_HOME at a fresh folder.
  QString file = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Brantomel/Brantomel.ini";
  SettingsStore store;
  EXPECT_EQ(store.ReadHiScore(), "0");
  EXPECT_TRUE(store.WriteHiScore("1230"));
  EXPECT_EQ(ReadAll(file), "[General]\nHiScore=1230\n");
  EXPECT_EQ(store.ReadHiScore(), "1230");
}

TEST_F(Settings, AnyTextRoundTrips) {
  SettingsStore store(Path());
  for (QString text : {"0", "40000", "abc", "-5", "99999999999999999999", "12,Bob", "a = b ; c", "[x]", "", " 7 ",
                       "Hé\u00e9\u4e2d", "\\n"}) {
    ASSERT_TRUE(store.WriteHiScore(text)) << text.toStdString();
    EXPECT_EQ(store.ReadHiScore(), text) << text.toStdString();
  }
}

TEST_F(Settings, BrokenFilesStillStartTheGame) {
  struct Case {
    const char* name;
    QByteArray contents;
    const char* read;
    const char* kept = "";
  };
  const Case cases[] = {
      {"empty", "", "0"},
      {"garbage", QByteArray("\x00\xff\x13[General\nHiScore\n=\n\x01", 23), "0"},
      {"unclosed section", "[General\nHiScore=5\n", "5"},
      {"written by hand", "[General]\nHiScore=12,Bob\n", "12,Bob"},
      {"other keys", "[General]\nHiScore=77\nColour=blue\n[Other]\nx=1\n", "77", "Colour=blue"},
      {"huge", QByteArray(20 << 20, 'x'), "0"},
  };
  for (const Case& c : cases) {
    WriteAll(Path(), c.contents);
    SettingsStore store(Path());
    EXPECT_EQ(store.ReadHiScore(), c.read) << c.name;
    EXPECT_TRUE(store.WriteHiScore("321")) << c.name;
    EXPECT_EQ(store.ReadHiScore(), "321") << c.name;
    EXPECT_TRUE(ReadAll(Path()).contains(c.kept)) << c.name;
  }
}

TEST_F(Settings, UnwritablePlacesLoseNothing) {
  // A folder where the file should be.
  ASSERT_TRUE(QDir().mkpath(Path()));
  EXPECT_EQ(SettingsStore(Path()).ReadHiScore(), "0");
  EXPECT_FALSE(SettingsStore(Path()).WriteHiScore("5"));
  EXPECT_TRUE(QFileInfo(Path()).isDir());
  // A file where the folder should be.
  WriteAll(Path("notadir"), "x");
  EXPECT_FALSE(SettingsStore(Path("notadir") + "/Brantomel.ini").WriteHiScore("5"));
  EXPECT_EQ(ReadAll(Path("notadir")), "x");
}

TEST_F(Settings, PermissionsAreRespected) {
  QString folder = Path("locked");
  ASSERT_TRUE(QDir().mkpath(folder));
  QString file = folder + "/Brantomel.ini";
  WriteAll(file, "[General]\nHiScore=900\n");
  ::chmod(file.toLocal8Bit().constData(), 0644);
  ::chmod(folder.toLocal8Bit().constData(), 0555);  // read-only folder
  AsUnprivileged([&] {
    SettingsStore store(file);
    EXPECT_EQ(store.ReadHiScore(), "900");
    EXPECT_FALSE(store.WriteHiScore("5"));
    EXPECT_EQ(ReadAll(file), "[General]\nHiScore=900\n");
  });
  ::chmod(folder.toLocal8Bit().constData(), 0777);
  ::chmod(file.toLocal8Bit().constData(), 0000);  // unreadable file in a writable folder
  AsUnprivileged([&] {
    SettingsStore store(file);
    EXPECT_EQ(store.ReadHiScore(), "0");
    store.WriteHiScore("5");  // may replace it or not; either way nothing hangs or crashes
  });
  ::chmod(file.toLocal8Bit().constData(), 0644);
}

}  // namespace
}  // namespace vexalon

int main(int argc, char** argv) {
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
