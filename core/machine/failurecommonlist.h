#pragma once

/// The machine's failure identifiers.
class FailureCommonList
{
public:
    /// One identifier per failure the machine reports, from 0x8000 to 0x8166.
    enum FailureID : int {
        /// The first and the last identifier: every value between them names a failure.
        FirstFailure = 0x8000,
        LastFailure = 0x8166,

        // Failures with a fixed role in the user interface.
        /// The water filter is clogged.
        CloggedWaterFilter = 0x802b,
        /// The two cup failures: no cup can be dropped.
        CupFailure = 0x8003,
        SecondCupFailure = 0x8037,
        /// Further failures that count as cup failures.
        CupRelatedFailure1 = 0x800e,
        CupRelatedFailure2 = 0x8080,
        CupRelatedFailure3 = 0x8045,
        CupRelatedFailure4 = 0x80e1,
        CupRelatedFailure5 = 0x80e2,
    };
};
