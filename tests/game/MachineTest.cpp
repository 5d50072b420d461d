#include "MachineFixture.h"

TEST_F(MachineTest, SpinWithoutAnyBetAsksForOne) {
  machine.Spin();
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0], "Please place a bet before spinning.");
  EXPECT_EQ(state.Credits, 1000.00);
  EXPECT_EQ(state.Spins, 0);
}
