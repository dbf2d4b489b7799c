// Texts the forms share: the built-in words by number, the run suffix of
// titles, names and numbers. Every text here is code page 1252.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/text_state.h"
#include "meet/meet_state.h"

namespace kavalto {

// Copies of the built-in texts (the lookup buffer is overwritten by the next lookup).
std::string ButtonWord(MeetState& meet, TextId id);
std::string LabelWord(MeetState& meet, TextId id);
std::string ListWord(MeetState& meet, TextId id);

// " - Finale" or " - Kvalifisering" at a double meet for a class with a
// second run; empty otherwise.
std::string RunSuffix(MeetState& meet, int classSlot);

// The class's long name; empty outside 0..26.
std::string ClassName(const MeetState& meet, int classSlot);

// The call name, or the dog's name when it has none.
std::string CallOrDogName(const EquipageRecord& equipage);

std::string Number(int64_t value);

// The start number when the class takes part in the current run; else empty.
std::string StartNumberText(const MeetState& meet, int classSlot, int32_t startNo);

// The equipage or team at an index, nullptr outside the arrays.
EquipageRecord* EquipageAt(MeetState& meet, int32_t index);
TeamRecord* TeamAt(MeetState& meet, int32_t index);

// Words of the forms, by their number in the text tables.
namespace words {
inline constexpr TextId kSizeSmall = 384;   // then Medium, Large
inline constexpr TextId kAgility = 380;
inline constexpr TextId kHopp = 381;
inline constexpr TextId kQualification = 484;
inline constexpr TextId kFinal = 486;
inline constexpr TextId kDate = 500;
inline constexpr TextId kSignJudge = 501;
inline constexpr TextId kPage = 502;
inline constexpr TextId kOf = 503;
inline constexpr TextId kFrom = 504;
inline constexpr TextId kFor = 498;
inline constexpr TextId kEquipageEntryForm = 505;
inline constexpr TextId kRegNo = 506;
inline constexpr TextId kDog = 507;
inline constexpr TextId kHandler = 508;
inline constexpr TextId kPhone = 509;
inline constexpr TextId kWishesToEnter = 510;
inline constexpr TextId kNoHeading = 511;
inline constexpr TextId kTakesPart = 512;
inline constexpr TextId kTeamEntryForm = 513;
inline constexpr TextId kTeamRegistration = 514;
inline constexpr TextId kContact = 515;
inline constexpr TextId kEquipage = 535;
inline constexpr TextId kDogsName = 517;
inline constexpr TextId kTeamSlashDog = 518;
inline constexpr TextId kClubSlashHandler = 577;
inline constexpr TextId kCombinedPlural = 472;
inline constexpr TextId kStartNo = 525;
inline constexpr TextId kTeamNo = 526;
inline constexpr TextId kTime = 528;
inline constexpr TextId kNotPresent = 529;
inline constexpr TextId kFaultsAndRefusals = 530;
inline constexpr TextId kJudgeSheet = 531;
inline constexpr TextId kScribeSheet = 519;
inline constexpr TextId kEntrants = 532;
inline constexpr TextId kTimeUsed = 533;
inline constexpr TextId kTeamCount = 534;
inline constexpr TextId kStartList = 536;
inline constexpr TextId kJudgeList = 539;
inline constexpr TextId kSpeed = 565;
inline constexpr TextId kMeanSpeed = 579;
inline constexpr TextId kResults = 540;
inline constexpr TextId kCount = 541;
inline constexpr TextId kStarted = 543;
inline constexpr TextId kFaultFree = 544;
inline constexpr TextId kEliminated = 545;
inline constexpr TextId kTotal = 547;
inline constexpr TextId kStartNumberFor = 527;
inline constexpr TextId kAllStartsList = 567;
inline constexpr TextId kAllParticipantsList = 566;
inline constexpr TextId kAllTeamsList = 570;
inline constexpr TextId kAllDogsList = 569;
inline constexpr TextId kNotMailedList = 571;
// Table B.
inline constexpr TextId kJudge = 272;
inline constexpr TextId kDogRegistration = 305;
inline constexpr TextId kSex = 307;
inline constexpr TextId kSize = 308;
inline constexpr TextId kClass = 296;
inline constexpr TextId kBreed = 314;
inline constexpr TextId kHandlerRegistration = 317;
inline constexpr TextId kAddress = 318;
inline constexpr TextId kStartNoLabel = 320;
inline constexpr TextId kClub = 321;
inline constexpr TextId kEmail = 322;
inline constexpr TextId kStatus = 324;
inline constexpr TextId kStNo = 333;
inline constexpr TextId kStandardTime = 343;
inline constexpr TextId kCourseLength = 344;
inline constexpr TextId kMaxTime = 367;
inline constexpr TextId kName = 346;
inline constexpr TextId kTeam = 349;
inline constexpr TextId kTimeLabel = 350;
inline constexpr TextId kFaults = 351;
inline constexpr TextId kRefusals = 352;
inline constexpr TextId kDisk = 353;
inline constexpr TextId kDiskUpper = 354;
inline constexpr TextId kAbsent = 356;
inline constexpr TextId kTimeFaults = 357;
inline constexpr TextId kTotalFaults = 358;
inline constexpr TextId kPlacing = 359;
inline constexpr TextId kCombined = 265;
inline constexpr TextId kFirstRun = 266;
inline constexpr TextId kSecondRun = 267;
inline constexpr TextId kEquipagesRegistration = 294;
// Table A.
inline constexpr TextId kAgilityOpenButton = 4051;
inline constexpr TextId kHoppOpenButton = 4053;
inline constexpr TextId kStatisticsButton = 4082;
}  // namespace words

}  // namespace kavalto
