#include "TScopedRollback.h"

#include <gtest/gtest.h>

#include <QString>

#include <stdexcept>

TEST(ScopedRollback, OldValueIsBackHoweverTheScopeEnds) {
    for (const bool throwing : {false, true}) {
        SCOPED_TRACE(throwing ? "left by an exception" : "left normally");
        bool flag = false;
        try {
            const Armalyx::TScopedRollback<bool> rollback(flag, true);
            EXPECT_TRUE(flag);
            if (throwing) {
                throw std::runtime_error("handler failed");
            }
        } catch (const std::runtime_error&) {
        }
        EXPECT_FALSE(flag);
    }
}

TEST(ScopedRollback, NestedRollbacksUnwindInTurn) {
    QString state = QStringLiteral("idle");
    {
        const Armalyx::TScopedRollback<QString> outer(state, QStringLiteral("outer"));
        {
            const Armalyx::TScopedRollback<QString> inner(state, QStringLiteral("inner"));
            EXPECT_EQ(state, QStringLiteral("inner"));
        }
        EXPECT_EQ(state, QStringLiteral("outer"));
    }
    EXPECT_EQ(state, QStringLiteral("idle"));
}
