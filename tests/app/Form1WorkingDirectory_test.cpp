// Started from a desktop menu the program may have any working directory, or one that no
// longer exists: without data files there the window still opens with its caption and an empty
// table, and reports nothing.
#include "TErrorCapture.h"
#include "TForm1Driver.h"
#include "TStringGrid.h"
#include "TTempDirectory.h"
#include "TWorkingDirectory.h"

#include <Production1.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QTest>

using namespace Armalyx;

namespace {

enum class TStartFolder { Empty, Removed };

struct TStartCase {
    const char* Name;
    TStartFolder Directory;
};

} // namespace

TEST(Form1WorkingDirectory, WithoutDataFilesTheWindowOpensWithItsCaptionAndAnEmptyTable) {
    const TStartCase cases[] = {
        {"empty folder", TStartFolder::Empty},
        {"removed folder", TStartFolder::Removed},
    };
    for (const TStartCase& start : cases) {
        SCOPED_TRACE(start.Name);
        Production1::InitializeStore();
        const TTempDirectory root;
        ASSERT_FALSE(root.Path().empty());
        const QString folder = QString::fromStdString((root.Path() / "start").string());
        ASSERT_TRUE(QDir().mkdir(folder));
        const TWorkingDirectory workingDirectory(root.Path() / "start");
        ASSERT_EQ(QDir::current().canonicalPath(), QDir(folder).canonicalPath());
        if (start.Directory == TStartFolder::Removed) {
            ASSERT_TRUE(QDir(folder).removeRecursively());
        }
        const TErrorCapture errors;
        TForm1 form;
        form.show();
        ASSERT_TRUE(QTest::qWaitFor([&form] { return form.Activated(); }));
        EXPECT_TRUE(errors.Reports().empty());
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Armalyx 2.1"));
        EXPECT_EQ(Production1::Store().VehicleCount, 0);
        EXPECT_EQ(TForm1Driver(form).StringGrid1->Cells(0, 1), QStringLiteral("Lend Lease"));
    }
    Production1::InitializeStore();
}
