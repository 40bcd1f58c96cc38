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
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  }
  // What stands at the path: its kind, and a regular file's bytes.
  static std::string Shape(const QString& path) {
    struct stat link {}, target {};
    if (::lstat(QFile::encodeName(path), &link) != 0) return "nothing";
    std::string shape = S_ISLNK(link.st_mode) ? "link to " : "";
    if (::stat(QFile::encodeName(path), &target) != 0 || !S_ISREG(target.st_mode))
      return shape + (S_ISDIR(target.st_mode) ? "folder" : S_ISFIFO(target.st_mode) ? "fifo" : "device");
    QFile file(path);
    return shape + (file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "unreadable");
  }
  QTemporaryDir dir_;
};

// A window read the file at its start; by its close the file may hold
// another window's work.
TEST_F(Settings, AWindowWritesOnlyWhatItChanged) {
  struct Case {
    const char *name, *atStart, *atClose, *read, *shown;
    C change;
    const char* after;
  };
  const char* ten = "[General]\nHiScore=10\n";
  const Case cases[] = {
      {"no file yet", nullptr, nullptr, "0", "0", C::None, "[General]\nHiScore=0\n"},
      {"nothing changed", "; by hand\n[General]\nHiScore = 900\n", nullptr, "900", "900", C::None,
       "; by hand\n[General]\nHiScore = 900\n"},
      {"a record", ten, nullptr, "10", "307", C::Record, "[General]\nHiScore=307\n"},
      {"another window's higher record", ten, "[General]\nHiScore=500\n", "10", "307", C::Record,
       "[General]\nHiScore=500\n"},
      {"another window's clear", ten, "[General]\nHiScore=0\n", "10", "10", C::None, "[General]\nHiScore=0\n"},
      {"a clear over another window's record", ten, "[General]\nHiScore=500\n", "10", "0", C::Cleared,
       "[General]\nHiScore=0\n"},
      {"other keys, sections, BOM and CRLF", "\xEF\xBB\xBF[Player]\r\nName=Ana\r\n[General]\r\nHiScore=321\r\nx=1\r\n",
       nullptr, "321", "400", C::Record, "\xEF\xBB\xBF[Player]\r\nName=Ana\r\n[General]\r\nHiScore=400\r\nx=1\r\n"},
      {"no [General] yet", "[Player]\nName=Ana", nullptr, "0", "5", C::Record,
       "[Player]\nName=Ana\n[General]\nHiScore=5\n"},
      {"hand-written text", "[General]\nHiScore=12,Bob\n", nullptr, "12,Bob", "12,Bob", C::None,
       "[General]\nHiScore=12,Bob\n"},
      {"quoted text before any section", "HiScore=\"abc\"\n[x]\nHiScore=9\n", nullptr, "abc", "7", C::Record,
       "HiScore=7\n[x]\nHiScore=9\n"},
      {"garbage", "\x01\xff[Gen\n=\n", nullptr, "0", "3", C::Record, "\x01\xff[Gen\n=\n[General]\nHiScore=3\n"},
  };
  for (const Case& c : cases) {
    QDir(Path("Brantomel")).removeRecursively();
    if (c.atStart) Lay(c.atStart);
    SettingsStore store(Path());
    EXPECT_EQ(store.ReadHiScore(), c.read) << c.name;
    if (c.atClose) Lay(c.atClose);
    EXPECT_TRUE(store.WriteHiScore(c.shown, c.change)) << c.name;
    EXPECT_EQ(Shape(Path()), c.after) << c.name;
  }
}

// Whatever stands in the way, the game starts at once and leaves it be.
TEST_F(Settings, WhatCannotBeReadOrWrittenIsLeftAsItWas) {
  struct Case {
    const char* name;
    std::function<void()> lay;
    const char* read = "0";
    bool asNobody = false, needsRoot = false;
  };
  const Case cases[] = {
      {"a folder", [&] { QDir().mkpath(Path()); }},
      {"a FIFO", [&] { QDir().mkpath(Path("Brantomel")), ::mkfifo(Name(), 0644); }},
      {"a link to a FIFO", [&] { QDir().mkpath(Path("Brantomel")), ::mkfifo(Name("fifo"), 0644), ::symlink(Name("fifo"), Name()); }},
      // A device of the test's own, like /dev/null, so a fault cannot harm the machine's.
      {"a link to a device", [&] { QDir().mkpath(Path("Brantomel")), ::mknod(Name("null"), S_IFCHR | 0666, makedev(1, 3)), ::symlink(Name("null"), Name()); }, "0", false, true},
      {"a link to a file whose reading fails", [&] { QDir().mkpath(Path("Brantomel")), ::symlink("/proc/self/mem", Name()); }},
      {"a file where the folder should be", [&] { Lay(""), QDir(Path("Brantomel")).removeRecursively(), QFile(Path("Brantomel")).open(QIODevice::WriteOnly); }},
      {"an unreadable file", [&] { Lay("[General]\nHiScore=1\n"), ::chmod(Name(), 0); }, "0", true},
      {"a read-only folder", [&] { Lay("[General]\nHiScore=1\n"), ::chmod(Name("Brantomel"), 0555); }, "1", true},
  };
  for (const Case& c : cases) {
    ::chmod(Name("Brantomel"), 0777);
    QDir(Path("Brantomel")).removeRecursively();
    QFile::remove(Path("Brantomel"));
    c.lay();
    if (c.needsRoot && Shape(Path()) != "link to device") {
      std::printf("skipped, as it needs root: %s\n", c.name);
      continue;
    }
    std::string before = Shape(Path());
    auto check = [&] {
      SettingsStore store(Path());
      EXPECT_EQ(store.ReadHiScore(), c.read) << c.name;
      EXPECT_FALSE(store.WriteHiScore("99", C::Record)) << c.name;
    };
    if (c.asNobody && ::geteuid() == 0) {  // permissions mean nothing to root
      pid_t child = ::fork();
      if (child == 0) ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 ? (check(), HasFailure()) : 2);
      int status = -1;
      ::waitpid(child, &status, 0);
      EXPECT_EQ(status, 0) << c.name;
    } else {
      check();
    }
    EXPECT_EQ(Shape(Path()), before) << c.name;
  }
  ::chmod(Name("Brantomel"), 0777);
}

// A write that fails part way, as on a full disk, keeps the old file whole;
// a link to a file is followed and kept.
TEST_F(Settings, AFailedWriteKeepsTheOldFile) {
  Lay("[General]\nHiScore=4321\nother=1\n");
  SettingsStore store(Path());
  EXPECT_EQ(store.ReadHiScore(), "4321");
  rlimit limit{}, small{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  small = {8, limit.rlim_max};
  std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  bool written = store.WriteHiScore("99999", C::Record);
  ::setrlimit(RLIMIT_FSIZE, &limit);
  EXPECT_FALSE(written);
  EXPECT_EQ(Shape(Path()), "[General]\nHiScore=4321\nother=1\n");
  ::rename(Name(), Name("real.ini"));
  ::symlink(Name("real.ini"), Name());
  EXPECT_TRUE(store.WriteHiScore("99999", C::Record));
  EXPECT_EQ(Shape(Path()), "link to [General]\nHiScore=99999\nother=1\n");
}

}  // namespace
}  // namespace vexalon

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
