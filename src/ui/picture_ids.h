// The program's pictures, by the number a button record or a page names.
// The icons keep the numbers the page tables give them.
#pragma once

#include <cstdint>

namespace kavalto {

enum PictureId : int32_t {
    kPictureNone = 0,

    // Kept for the whole run.
    kPictureLogo = 100,
    kPictureButtonGradient = 101,
    kPictureCornerTopLeft = 102,
    kPictureCornerTopRight = 103,
    kPictureCornerBottomLeft = 104,
    kPictureCornerBottomRight = 105,
    kPictureMenuMarker = 106,
    kPictureOptionOff = 107,
    kPictureOptionOn = 108,
    kPictureOptionOffHover = 109,
    kPictureOptionOnHover = 110,
    kPictureScrollUp = 111,
    kPictureScrollDown = 112,
    kPictureScrollTrack = 113,
    kPictureThumbTop = 114,
    kPictureThumbMiddle = 115,
    kPictureThumbBottom = 116,
    kPictureGlyphUp = 117,
    kPictureGlyphDown = 118,
    kPictureBackground = 120,
    kPictureApplicationIcon = 121,

    // Navigation and page icons.
    kPictureRegister = 301,
    kPictureMeetDay = 302,
    kPictureAfterMeet = 303,
    kPictureUserGuide = 304,
    kPictureNewMeet = 305,
    kPictureOpenFile = 306,
    kPictureImport = 307,
    kPictureEntryForm = 308,
    kPictureBanner = 309,
    kPictureDog = 310,
    kPictureTeam = 311,
    kPictureDraw = 312,
    kPictureStartNumber = 313,

    kPictureSave = 192,
    kPicturePrint = 198,
    kPictureExit = 238,
    kPictureSearch = 323,
    kPicturePlusOne = 349,
    kPictureNext = 352,
    kPicturePrevious = 353,
    kPictureLast = 354,
    kPictureFirst = 355,
    kPictureAdd = 357,
    kPictureClock = 358,
    kPictureMail = 366,
    kPictureNextOpen = 367,
    kPictureBigScreen = 368,
    kPictureCheckOff = 372,
    kPictureCheckOn = 373,
    kPictureInSeason = 374,
    kPictureList = 380,
    kPictureDelete = 393,
};

// The resource path of a picture (":/pictures/....png"); nullptr for an
// unknown number.
const char* PictureResource(int32_t pictureId);

}  // namespace kavalto
