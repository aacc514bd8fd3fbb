#include <gtest/gtest.h>

#include "core/CalendarioEstrazioni.h"

using namespace quorvane;

TEST(CalendarioEstrazioni, IlPrimoVenerdiEIlTurnoDelleVenti) {
    EXPECT_FALSE(giornoEstrazioneLotto(Data{2023, 6, 30}));  // a Friday before
    EXPECT_TRUE(giornoEstrazioneLotto(Data{2023, 7, 7}));
    EXPECT_TRUE(giornoEstrazioneLotto(Data{2026, 12, 4}));
    EXPECT_FALSE(giornoEstrazioneLotto(Data{2026, 12, 7}));  // a Monday
    // After Thursday's draw: Friday's is missing from 20:00, Saturday's too the next evening.
    const Data giovedi{2023, 7, 6};
    EXPECT_EQ(estrazioniMancanti(giovedi, Data{2023, 7, 7}, 19 * 60 + 59), 0);
    EXPECT_EQ(estrazioniMancanti(giovedi, Data{2023, 7, 7}, 20 * 60), 1);
    EXPECT_EQ(estrazioniMancanti(giovedi, Data{2023, 7, 8}, 21 * 60), 2);
    EXPECT_EQ(estrazioniMancanti(Data{2023, 7, 8}, Data{2023, 7, 8}, 23 * 60), 0);
}

TEST(CalendarioEstrazioni, UnaSettimanaConLaFesta) {
    // Tuesday 15/08/2023 was a holiday: its draw was held on Wednesday the 16th. The week still
    // counts four draws, as many as the official file has (16, 17, 18 and 19 August).
    EXPECT_FALSE(giornoEstrazioneLotto(Data{2023, 8, 16}));
    EXPECT_EQ(estrazioniMancanti(Data{2023, 8, 12}, Data{2023, 8, 19}, 22 * 60), 4);
    // Once the moved draw is in the archive, only the days after it count.
    EXPECT_EQ(estrazioniMancanti(Data{2023, 8, 16}, Data{2023, 8, 17}, 21 * 60), 1);
}
