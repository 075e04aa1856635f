#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "programs/registered_program.h"
#include "tests/support/test_env.h"

static const char kExtension[] = ".rlx";
static const char kExtensionInCapitals[] = ".RLX";
static const char kTypeName[] = "RlyosetTest.Document";
static const char kDescription[] = "Rlyoset Test Document";
static const char kUntouched[] = "untouched";

class RegisteredProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        UnregisterFileType(kExtension, kTypeName);
        lstrcpyA(description, kUntouched);
        lstrcpyA(path, kUntouched);
    }
    void TearDown() override
    {
        UnregisterFileType(kExtension, kTypeName);
        UnregisterFileType(kExtension, longTypeName.c_str());
        RemoveTree(kWordPadDirectory);
    }

    int Find(const char *extension)
    {
        lstrcpyA(description, kUntouched);
        lstrcpyA(path, kUntouched);
        return FindRegisteredProgram(extension, description, path);
    }

    static constexpr const char *kWordPadDirectory = "C:\\Program Files\\Word Pad";
    std::string longTypeName = std::string(240, 'T');
    char description[kRegistryValueSize];
    char path[kRegistryValueSize];
};

// A field of the given length that ends in ".EXE".
static std::string ProgramField(size_t length)
{
    return std::string(length - 4, 'A') + ".EXE";
}

TEST_F(RegisteredProgram, BuildsTheProgramPathFromTheOpenCommand)
{
    // A real file with long names, so that the short form differs from the long one.
    const std::string wordPad = std::string(kWordPadDirectory) + "\\wordpad.exe";
    MakeDirectories(kWordPadDirectory);
    WriteWholeFile(wordPad, "MZ");
    ASSERT_NE(ShortPath(wordPad), wordPad);

    const std::string windows = WindowsDirectory();
    // The longest path that fits: the Windows directory, a backslash and the field.
    const std::string longestField = ProgramField(255 - windows.size() - 1);

    struct Case {
        std::string command;
        std::string expected;
    } cases[] = {
        // Quoted long path, quoted and unquoted arguments: the path whole, in short form.
        {"\"" + wordPad + "\" \"%1\" /p", ShortPath(wordPad)},
        // A bare program name lies in the Windows directory.
        {"notepad.exe %1", ShortPath(windows + "\\notepad.exe")},
        // Small letters pass the test and stay; the file is missing, still found.
        {"C:\\WP\\wp.exe /x \"%1\"", "C:\\WP\\wp.exe"},
        // ".EXE" alone is no program name; the search goes on to the next field.
        {"C:\\ODD\\PROG .EXE RUN.EXE %1", "C:\\ODD\\PROG .EXE RUN.EXE"},
        // Runs of quotes, commas and blanks inside the path become one blank.
        {"\"C:\\MY  ,\"APP\\WP.EXE\" %1", "C:\\MY APP\\WP.EXE"},
        // A network path has no drive: the Windows directory goes before it.
        {"\\\\SERVER\\APPS\\WP.EXE %1", windows + "\\\\\\SERVER\\APPS\\WP.EXE"},
        // Only a backslash as third character marks a path with a drive.
        {"C:WP.EXE %1", windows + "\\C:WP.EXE"},
        // Exactly 255 characters still fit.
        {longestField + " %1", windows + "\\" + longestField},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("command: " + c.command);
        RegisterFileType(kExtension, kTypeName, kDescription, c.command.c_str());
        for (const char *extension : {kExtension, kExtensionInCapitals}) {
            SCOPED_TRACE(extension);
            EXPECT_EQ(Find(extension), 1);
            EXPECT_EQ(std::string(path), c.expected);
            EXPECT_STREQ(description, kDescription);
        }
    }
}

TEST_F(RegisteredProgram, FindsNothingWhenTheCommandNamesNoWholeProgram)
{
    const std::string tooLongField = ProgramField(256 - WindowsDirectory().size() - 1);
    const char *commands[] = {
        "C:\\TOOLS\\VIEW.COM \"%1\"",  // no field ends in ".EXE"
        "C:\\TOOLS\\VIEWER .EXE",      // nor does ".EXE" alone
        "",                            // no field at all
        " \",, \"",                    // only separators
        tooLongField.c_str(),          // one character past the path buffer
    };
    for (const char *command : commands) {
        SCOPED_TRACE(std::string("command: ") + command);
        RegisterFileType(kExtension, kTypeName, kDescription, command);
        EXPECT_EQ(Find(kExtension), 0);
        EXPECT_STREQ(path, kUntouched);
        EXPECT_STREQ(description, kDescription);
    }
}

TEST_F(RegisteredProgram, FailedReadsLeaveTheOutputsAsTheStepsReachedThem)
{
    // No extension key: neither output is touched.
    EXPECT_EQ(Find(kExtension), 0);
    EXPECT_STREQ(description, kUntouched);
    EXPECT_STREQ(path, kUntouched);

    // A description but no open command: the description has been read.
    RegisterFileType(kExtension, kTypeName, kDescription, NULL);
    EXPECT_EQ(Find(kExtension), 0);
    EXPECT_STREQ(description, kDescription);
    EXPECT_STREQ(path, kUntouched);
    UnregisterFileType(kExtension, kTypeName);

    // A type name too long to take "\shell\open\command" in its buffer.
    RegisterFileType(kExtension, longTypeName.c_str(), kDescription, "C:\\WP\\WP.EXE");
    char command[kRegistryValueSize];
    LONG size = sizeof command;
    ASSERT_EQ(RegQueryValueA(HKEY_CLASSES_ROOT, (longTypeName + "\\shell\\open\\command").c_str(),
                             command, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(Find(kExtension), 0);
    EXPECT_STREQ(description, kDescription);
    EXPECT_STREQ(path, kUntouched);
}
