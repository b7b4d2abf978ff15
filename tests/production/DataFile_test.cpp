#include "TProductionTest.h"

#include <cerrno>
#include <climits>
#include <string>
#include <sys/stat.h>
#include <vector>

using namespace Production1;

namespace {

class TCollectSink final : public TLineSink {
public:
    void Feed(std::string_view piece) override { text.append(piece); }
    std::string text;
};

// Every line of a file as the data file reader sees it, the header included.
std::vector<std::string> ReadAllLines(const char* fileName) {
    TDataFile file;
    std::vector<std::string> lines;
    if (!file.Open(fileName)) {
        return {"<not opened>"};
    }
    do {
        TCollectSink sink;
        file.ReadLine(sink);
        lines.push_back(sink.text);
    } while (!file.AtEnd());
    return lines;
}

} // namespace

using DataFileTest = TProductionTest;

TEST_F(DataFileTest, SplitsLinesAtCarriageReturnsAndLineFeedsAndEndsAtCtrlZ) {
    struct TCase {
        const char* what;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const std::string longLine(TDataFile::kBufferSize - 1, 'a');
    const TCase cases[] = {
        {"CR LF ends lines", "h\r\none\r\ntwo\r\n", {"h", "one", "two"}},
        {"CR alone ends lines", "h\rone\rtwo", {"h", "one", "two"}},
        {"LF alone ends lines", "h\none\ntwo\n", {"h", "one", "two"}},
        {"LF after a CR LF is an empty line", "h\r\n\none\r\n", {"h", "", "one"}},
        {"only one LF belongs to the line end", "h\r\n\n", {"h", ""}},
        {"LF CR is two line ends", "h\n\rone", {"h", "", "one"}},
        {"LF line appended to a CR LF file",
         "h\r\none\r\ntwo\nthree\r\n",
         {"h", "one", "two", "three"}},
        {"empty lines", "h\r\n\r\n\r\nx", {"h", "", "", "x"}},
        {"last line without line end", "h\r\nlast", {"h", "last"}},
        {"Ctrl-Z ends the file", "h\r\none\x1atwo\r\n", {"h", "one"}},
        {"Ctrl-Z at a line start", "h\r\n\x1aone\r\n", {"h"}},
        {"empty file", "", {""}},
        {"CR LF split across reads", longLine + "\r\nnext", {longLine, "next"}},
        {"LF at the end of a read", longLine + "\nnext", {longLine, "next"}},
        {"line longer than the buffer",
         "h\r\n" + longLine + longLine + "\r\n",
         {"h", longLine + longLine}},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.what);
        directory.WriteFile("lines.txt", test.bytes);
        EXPECT_EQ(ReadAllLines("lines.txt"), test.lines);
    }
}

TEST_F(DataFileTest, OnlyRegularFilesOpen) {
    std::filesystem::create_directory("TotalData.txt");
    ASSERT_EQ(::mkfifo("TankData.txt", 0600), 0);
    TDataFile file;
    EXPECT_FALSE(file.Open("missing.txt"));
    EXPECT_FALSE(file.Open("TotalData.txt")) << "a directory";
    EXPECT_FALSE(file.Open("TankData.txt")) << "a named pipe, without blocking";
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(file.AtEnd());
    EXPECT_NO_THROW(LoadProductionData());
    EXPECT_FALSE(store.TotalDataReport.Found());
    EXPECT_FALSE(store.TankDataReport.Found());
}

TEST_F(DataFileTest, ReadFailureRaisesTheProgramsInputOutputError) {
    directory.WriteFile("lines.txt", "h\r\none\r\n");
    TDataFile file;
    file.SetReadFunction([](TFileHandle, void*, std::size_t) -> TReadCount {
        errno = EIO;
        return -1;
    });
    ASSERT_TRUE(file.Open("lines.txt"));
    try {
        file.SkipLine();
        FAIL() << "no error raised";
    } catch (const TInOutError& error) {
        EXPECT_EQ(error.ErrorCode(), 30);
        EXPECT_STREQ(error.what(), "I/O error 30");
    }
}

TEST(InOutErrorTest, MessagesFollowTheProgramsErrorNumbers) {
    const std::pair<int, const char*> cases[] = {
        {2, "File not found"},
        {3, "Invalid filename"},
        {4, "Too many open files"},
        {5, "File access denied"},
        {100, "Read beyond end of file"},
        {101, "Disk full"},
        {106, "Invalid numeric input"},
        {30, "I/O error 30"},
        {1, "I/O error 1"},
        {103, "I/O error 103"},
    };
    for (const auto& [code, message] : cases) {
        SCOPED_TRACE(code);
        EXPECT_EQ(TInOutError(code).what(), std::string(message));
        EXPECT_EQ(TInOutError(code).ErrorCode(), code);
    }
    EXPECT_EQ(TInOutError::ErrorCodeFromErrno(ENOENT), 2);
    EXPECT_EQ(TInOutError::ErrorCodeFromErrno(EACCES), 5);
    EXPECT_EQ(TInOutError::ErrorCodeFromErrno(EMFILE), 4);
    EXPECT_EQ(TInOutError::ErrorCodeFromErrno(EIO), 30) << "not 5, which reads as access denied";
}

TEST(InOutErrorTest, OtherSystemErrorsCannotBeMistakenForTheProgramsOwn) {
    // Network errors of a mounted drive, and errors whose numbers equal fixed-text ones.
    for (const int errnoValue : {ENETDOWN, ENETUNREACH, EISCONN, ESRCH, EINTR, EROFS, EISDIR}) {
        SCOPED_TRACE(errnoValue);
        const TInOutError error(TInOutError::ErrorCodeFromErrno(errnoValue));
        EXPECT_EQ(error.ErrorCode(), 1000 + errnoValue);
        EXPECT_EQ(error.what(), "I/O error " + std::to_string(1000 + errnoValue));
    }
    for (const int odd : {0, -1, 1000, INT_MAX}) {
        SCOPED_TRACE(odd);
        EXPECT_EQ(TInOutError::ErrorCodeFromErrno(odd), 1000);
    }
}
