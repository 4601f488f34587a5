// Tests of the planform parameters from every pair of ticks.
#include <gtest/gtest.h>

#include "testkit/FreshRecord.h"

#include "model/Module_ortak.h"
#include "model/Numbers.h"
#include "planform/PlanPar.h"
#include "support/OutcomeChecks.h"

namespace kelvane {
namespace {

using testing::Done;
using testing::ResetTestRecord;
using testing::testRecord;

constexpr int kOn = 1;
constexpr int kGreyed = 2;

struct ResolvedCase {
  const char* name;
  PlanParInput input;
  // As the window shows them afterwards.
  const char *S, *AR, *b, *cOrt;
};

class PlanParTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetTestRecord();
    testRecord.S = 7;
    testRecord.AR = 6;
    testRecord.b = 5;
    testRecord.cOrt = 4;
  }
  static void ExpectParametersUnchanged() {
    EXPECT_EQ(testRecord.S, 7);
    EXPECT_EQ(testRecord.AR, 6);
    EXPECT_EQ(testRecord.b, 5);
    EXPECT_EQ(testRecord.cOrt, 4);
  }
};

TEST_F(PlanParTest, EveryPairResolvesTheOtherTwo) {
  const ResolvedCase cases[] = {
      {"S AR", {{kOn, "10"}, {kOn, "10"}, {}, {}}, "10", "10", "10", "1"},
      {"S AR root", {{kOn, "10"}, {kOn, "8"}, {}, {}}, "10", "8", "8.94427190999916", "1.11803398874989"},
      {"S b", {{kOn, "18"}, {}, {kOn, "12"}, {}}, "18", "8", "12", "1.5"},
      {"S cOrt", {{kOn, "18"}, {}, {}, {kOn, "1.5"}}, "18", "8", "12", "1.5"},
      {"AR b", {{}, {kOn, "8"}, {kOn, "12"}, {}}, "18", "8", "12", "1.5"},
      {"AR cOrt", {{}, {kOn, "8"}, {}, {kOn, "1.5"}}, "18", "8", "12", "1.5"},
      {"b cOrt with unit", {{}, {}, {kOn, "12 m"}, {kOn, "1.5"}}, "18", "8", "12", "1.5"},
      {"greyed box ignored", {{kOn, "18"}, {kGreyed, "99"}, {kOn, "12"}, {kGreyed, ""}}, "18", "8", "12", "1.5"},
  };
  for (const ResolvedCase& c : cases) {
    SCOPED_TRACE(c.name);
    testRecord.InputError = true;
    EXPECT_TRUE(Done(PlanPar(testRecord, c.input)));
    EXPECT_FALSE(testRecord.InputError);
    EXPECT_EQ(PlainNumberText(testRecord.S), c.S);
    EXPECT_EQ(PlainNumberText(testRecord.AR), c.AR);
    EXPECT_EQ(PlainNumberText(testRecord.b), c.b);
    EXPECT_EQ(PlainNumberText(testRecord.cOrt), c.cOrt);
  }
}

struct RejectedCase {
  const char* name;
  PlanParInput input;
  const char* message;
};

TEST_F(PlanParTest, RejectionsReportTheFirstFailingCheckAndKeepTheParameters) {
  const char* kTooMany = "Üst-görünüm parametrelerinden sadece 2 sini seçebilirsiniz";
  const char* kTickTwo = "Parametrelerden ikisini işaretleyiniz ve değerlerini veriniz";
  const char* kNotComputable = "Üst-görünüm parametreleri bu değerlerle hesaplanamaz";
  const RejectedCase cases[] = {
      {"three ticks, boxes filled", {{kOn, "10"}, {kOn, "10"}, {kOn, "10"}, {}}, kTooMany},
      {"four ticks, boxes empty", {{kOn, ""}, {kOn, ""}, {kOn, ""}, {kOn, ""}}, kTooMany},
      {"first empty before second", {{kOn, ""}, {}, {kOn, ""}, {}}, "S değerini belirleyiniz"},
      {"AR empty", {{kOn, "10"}, {kOn, ""}, {}, {}}, "AR değerini belirleyiniz"},
      {"b empty", {{}, {kOn, "8"}, {kOn, ""}, {}}, "b değerini belirleyiniz"},
      {"cOrt empty", {{}, {}, {kOn, "12"}, {kOn, ""}}, "cOrt değerini belirleyiniz"},
      {"cOrt alone", {{}, {}, {}, {kOn, "1"}}, kTickTwo},
      {"nothing ticked", {{}, {}, {}, {}}, kTickTwo},
      {"S alone", {{kOn, "10"}, {}, {}, {}}, kTickTwo},
      {"b alone, empty", {{}, {}, {kOn, ""}, {}}, "b değerini belirleyiniz"},
      {"blanks are not empty", {{kOn, " "}, {kOn, "8"}, {}, {}}, "S değeri sıfırdan büyük bir sayı olmalıdır"},
      {"zero", {{kOn, "10"}, {kOn, "0"}, {}, {}}, "AR değeri sıfırdan büyük bir sayı olmalıdır"},
      {"negative", {{}, {}, {kOn, "-12"}, {kOn, "1.5"}}, "b değeri sıfırdan büyük bir sayı olmalıdır"},
      {"letters", {{}, {kOn, "8"}, {}, {kOn, "abc"}}, "cOrt değeri sıfırdan büyük bir sayı olmalıdır"},
      {"too large to read", {{kOn, "1e400"}, {}, {kOn, "2"}, {}}, "S değeri sıfırdan büyük bir sayı olmalıdır"},
      {"overflow", {{kOn, "1e300"}, {kOn, "1e300"}, {}, {}}, kNotComputable},
      {"underflow", {{}, {kOn, "1e-200"}, {}, {kOn, "1e-200"}}, kNotComputable},
  };
  for (const RejectedCase& c : cases) {
    SCOPED_TRACE(c.name);
    testRecord.InputError = false;
    EXPECT_EQ(PlanPar(testRecord, c.input).Message(), c.message);
    EXPECT_TRUE(testRecord.InputError);
    ExpectParametersUnchanged();
  }
}

}  // namespace
}  // namespace kelvane
