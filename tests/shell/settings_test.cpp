// The high score file as two windows, odd files and failing disks leave it.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <optional>

#include "shell/qt/settings_store.h"

namespace vexalon {
namespace {

using C = HiScoreChange;

class Settings : public ::testing::Test {
 protected:
  void SetUp() override { ::chmod(QFile::encodeName(dir_.path()), 0777); }
  QString Path(const char* name = "Brantomel/Brantomel.ini") const { return dir_.filePath(name); }
  QByteArray Name(const char* name = "Brantomel/Brantomel.ini") const { return QFile::encodeName(Path(name)); }
  void Lay(const char* bytes) {
    QDir().mkpath(Path("Brantomel"));
    ::chmod(Name("Brantomel"), 0777);
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  }
  // What stands at the path: its kind, and a regular file's bytes.
  std::string Shape() const {
    struct stat link {}, target {};
    if (::lstat(Name(), &link) != 0) return "nothing";
    std::string shape = S_ISLNK(link.st_mode) ? "link to " : "";
    if (::stat(Name(), &target) != 0) return shape + "nothing";
    if (!S_ISREG(target.st_mode))
      return shape + (S_ISDIR(target.st_mode) ? "folder" : S_ISFIFO(target.st_mode) ? "fifo" : "device");
    QFile file(Path());
    return shape + (file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "unreadable");
  }
  QTemporaryDir dir_;
};

// A window read the file at its start; by its close the file may hold
// another window's work. Its start, its close (or as at the start), what
// the window read, showed and did, and what the close leaves: only what
// the window changed, the rest of the file kept byte for byte.
TEST_F(Settings, AWindowWritesOnlyWhatItChanged) {
  const char *ten = "[General]\nHiScore=10\n", *five = "[General]\nHiScore=500\n", *zero = "[General]\nHiScore=0\n";
  const std::tuple<const char*, const char*, const char*, const char*, C, const char*> cases[] = {
      {nullptr, nullptr, "0", "0", C::None, zero},  // no file yet: created
      {ten, nullptr, "10", "10", C::None, ten},
      {ten, nullptr, "10", "307", C::Record, "[General]\nHiScore=307\n"},
      {ten, "[General]\nHiScore = 307\n", "10", "307", C::Record, "[General]\nHiScore = 307\n"},
      {ten, five, "10", "307", C::Record, five},  // another window's higher record stands
      {ten, zero, "10", "10", C::None, zero},     // another window's clear stands
      {ten, five, "10", "0", C::Cleared, zero},   // a clear undoes another window's record
      {"\xEF\xBB\xBFHiScore=321\r\n[Player]\r\nName=Ana\r\n", nullptr, "321", "400", C::Record,
       "\xEF\xBB\xBFHiScore=400\r\n[Player]\r\nName=Ana\r\n"},
      {"[General]\nx=1\n[Player]\nHiScore=9", nullptr, "0", "5", C::Record, "[General]\nHiScore=5\nx=1\n[Player]\nHiScore=9\n"},
      {"[Player]\nName=Ana\n", nullptr, "0", "5", C::Record, "[Player]\nName=Ana\n[General]\nHiScore=5\n"},
      {"[General]\nHiScore=\"12,Bob\"\n", nullptr, "12,Bob", "12,Bob", C::None, "[General]\nHiScore=\"12,Bob\"\n"}};
  for (auto [atStart, atClose, read, shown, change, after] : cases) {
    QDir(Path("Brantomel")).removeRecursively();
    if (atStart) Lay(atStart);
    SettingsStore store(Path());
    EXPECT_EQ(store.ReadHiScore(), read) << after;
    if (atClose) Lay(atClose);
    EXPECT_TRUE(store.WriteHiScore(shown, change)) << after;
    EXPECT_EQ(Shape(), after);
  }
}

// Whatever stood in the way at the start, the game starts at once with 0
// and never writes the file, even once a good one is there; a write that
// fails part way (a full disk, a size limit) leaves the old file whole.
struct Obstacle {
  const char* name;
  std::function<void()> lay;
  const char* startsWith;
  enum { Plain, NeedsRoot, NoDescriptorLeft, AsNobody, FullDisk } how = Plain;
  bool goodFileBeforeTheClose = true;  // takes the obstacle's place
};

TEST_F(Settings, WhatCannotBeReadOrWrittenIsLeftAsItWas) {
  const char* good = "[General]\nHiScore=1\n";
  auto dir = [&] { QDir().mkpath(Path("Brantomel")); };
  const Obstacle obstacles[] = {
      {"a folder", [&] { QDir().mkpath(Path()); }, "0"},
      {"a FIFO", [&] { dir(), ::mkfifo(Name(), 0644); }, "0"},
      {"a link to a FIFO", [&] { dir(), ::mkfifo(Name("fifo"), 0644), ::symlink(Name("fifo"), Name()); }, "0"},
      // A device of the test's own, like /dev/null, so a fault cannot harm the machine's.
      {"a link to a device", [&] { dir(), ::mknod(Name("null"), S_IFCHR | 0666, makedev(1, 3)), ::symlink(Name("null"), Name()); }, "0",
       Obstacle::NeedsRoot},
      {"a file whose reading fails (EIO)", [&] { dir(), ::symlink("/proc/self/mem", Name()); }, "0"},
      {"no descriptor left (EMFILE)", [&] { Lay(good); }, "0", Obstacle::NoDescriptorLeft},
      {"a file where the folder should be", [&] { QFile(Path("Brantomel")).open(QIODevice::WriteOnly); }, "0"},
      {"an unreadable file", [&] { Lay(good), ::chmod(Name(), 0); }, "0", Obstacle::AsNobody},
      {"a read-only folder", [&] { Lay(good), ::chmod(Name("Brantomel"), 0555); }, "1", Obstacle::AsNobody, false},
      {"a full disk", [&] { Lay(good); }, "1", Obstacle::FullDisk, false}};
  for (const Obstacle& o : obstacles) {
    ::chmod(Name("Brantomel"), 0777), QDir(Path("Brantomel")).removeRecursively(), QFile::remove(Path("Brantomel"));
    o.lay();
    if (o.how == Obstacle::NeedsRoot && Shape() != "link to device") {
      std::printf("skipped, as it needs root: %s\n", o.name);
      continue;
    }
    std::string before = Shape();
    auto check = [&] {
      SettingsStore store(Path());
      rlimit limit{}, none{};
      ::getrlimit(o.how == Obstacle::FullDisk ? RLIMIT_FSIZE : RLIMIT_NOFILE, &limit);
      none.rlim_max = limit.rlim_max;
      if (o.how == Obstacle::NoDescriptorLeft) ::setrlimit(RLIMIT_NOFILE, &none);
      EXPECT_EQ(store.ReadHiScore(), o.startsWith) << o.name;
      ::setrlimit(RLIMIT_NOFILE, &limit);
      if (o.goodFileBeforeTheClose) ::unlink(Name()), ::rmdir(Name()), ::unlink(Name("Brantomel")), Lay(good);
      std::signal(SIGXFSZ, SIG_IGN);
      none.rlim_cur = 8;  // a disk that takes the first few bytes only
      if (o.how == Obstacle::FullDisk) ::setrlimit(RLIMIT_FSIZE, &none);
      EXPECT_FALSE(store.WriteHiScore("99", C::Record)) << o.name;
      if (o.how == Obstacle::FullDisk) ::setrlimit(RLIMIT_FSIZE, &limit);
    };
    if (o.how == Obstacle::AsNobody && ::geteuid() == 0) {  // permissions mean nothing to root
      pid_t child = ::fork();
      if (child == 0) ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 ? (check(), HasFailure()) : 2);
      int status = -1;
      ::waitpid(child, &status, 0);
      EXPECT_EQ(status, 0) << o.name;
    } else {
      check();
    }
    EXPECT_EQ(Shape(), o.goodFileBeforeTheClose ? good : before) << o.name;
  }
  // A link to a regular file is followed, and kept.
  ::chmod(Name("Brantomel"), 0777), QDir(Path("Brantomel")).removeRecursively(), QFile::remove(Path("Brantomel"));
  Lay(good);
  ::rename(Name(), Name("real.ini")), ::symlink(Name("real.ini"), Name());
  SettingsStore store(Path());
  EXPECT_EQ(store.ReadHiScore(), "1");
  EXPECT_TRUE(store.WriteHiScore("99", C::Record));
  EXPECT_EQ(Shape(), "link to [General]\nHiScore=99\n");
}

// The sound switch is kept as the high score is: read at the start, written
// at the close only when this window switched it, in the same single write,
// every other line kept.
TEST_F(Settings, TheSoundSwitchIsKeptLikeTheHighScore) {
  const char* start = "[General]\nHiScore=10\n[Player]\nSound=false\n";
  const std::tuple<const char*, const char*, bool, std::optional<bool>, C, const char*> cases[] = {
      {start, nullptr, true, std::nullopt, C::None, start},
      {start, nullptr, true, false, C::Record, "[General]\nSound=false\nHiScore=20\n[Player]\nSound=false\n"},
      {"Sound=false\r\nHiScore=5\r\n", nullptr, false, true, C::None, "Sound=true\r\nHiScore=5\r\n"},
      {"[General]\nSound=odd\n", nullptr, true, std::nullopt, C::None, "[General]\nSound=odd\n"},
      {nullptr, nullptr, true, false, C::None, "[General]\nSound=false\nHiScore=0\n"},
      // Another window switched it off since; this one did not touch it.
      {"HiScore=10\n", "HiScore=10\nSound=false\n", true, std::nullopt, C::None, "HiScore=10\nSound=false\n"}};
  for (auto [before, meanwhile, soundOn, switched, change, after] : cases) {
    QFile::remove(Path());
    if (before) Lay(before);
    SettingsStore store(Path());
    store.ReadHiScore();
    EXPECT_EQ(store.SoundOn(), soundOn) << after;
    if (meanwhile) Lay(meanwhile);
    EXPECT_TRUE(store.WriteHiScore(change == C::Record ? "20" : "0", change, switched)) << after;
    EXPECT_EQ(Shape(), after);
  }
}

}  // namespace
}  // namespace vexalon

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
