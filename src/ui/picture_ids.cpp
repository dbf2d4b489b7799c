#include "ui/picture_ids.h"

namespace kavalto {
namespace {

struct PictureName {
    int32_t id;
    const char* resource;
};

// tools/make_pictures.py draws every file named here.
constexpr PictureName kPictureNames[] = {
    {kPictureLogo, ":/pictures/logo.png"},
    {kPictureButtonGradient, ":/pictures/button_gradient.png"},
    {kPictureCornerTopLeft, ":/pictures/corner_top_left.png"},
    {kPictureCornerTopRight, ":/pictures/corner_top_right.png"},
    {kPictureCornerBottomLeft, ":/pictures/corner_bottom_left.png"},
    {kPictureCornerBottomRight, ":/pictures/corner_bottom_right.png"},
    {kPictureMenuMarker, ":/pictures/menu_marker.png"},
    {kPictureOptionOff, ":/pictures/option_off.png"},
    {kPictureOptionOn, ":/pictures/option_on.png"},
    {kPictureOptionOffHover, ":/pictures/option_off_hover.png"},
    {kPictureOptionOnHover, ":/pictures/option_on_hover.png"},
    {kPictureScrollUp, ":/pictures/scroll_up.png"},
    {kPictureScrollDown, ":/pictures/scroll_down.png"},
    {kPictureScrollTrack, ":/pictures/scroll_track.png"},
    {kPictureThumbTop, ":/pictures/thumb_top.png"},
    {kPictureThumbMiddle, ":/pictures/thumb_middle.png"},
    {kPictureThumbBottom, ":/pictures/thumb_bottom.png"},
    {kPictureGlyphUp, ":/pictures/glyph_up.png"},
    {kPictureGlyphDown, ":/pictures/glyph_down.png"},
    {kPictureBackground, ":/pictures/background.png"},
    {kPictureApplicationIcon, ":/kavalto.png"},
    {kPictureRegister, ":/pictures/icon_register.png"},
    {kPictureMeetDay, ":/pictures/icon_meet_day.png"},
    {kPictureAfterMeet, ":/pictures/icon_after_meet.png"},
    {kPictureUserGuide, ":/pictures/icon_user_guide.png"},
    {kPictureNewMeet, ":/pictures/icon_new_meet.png"},
    {kPictureOpenFile, ":/pictures/icon_open_file.png"},
    {kPictureImport, ":/pictures/icon_import.png"},
    {kPictureEntryForm, ":/pictures/icon_entry_form.png"},
    {kPictureBanner, ":/pictures/icon_banner.png"},
    {kPictureDog, ":/pictures/icon_dog.png"},
    {kPictureTeam, ":/pictures/icon_team.png"},
    {kPictureDraw, ":/pictures/icon_draw.png"},
    {kPictureStartNumber, ":/pictures/icon_start_number.png"},
    {kPictureSave, ":/pictures/icon_save.png"},
    {kPicturePrint, ":/pictures/icon_print.png"},
    {kPictureExit, ":/pictures/icon_exit.png"},
    {kPictureSearch, ":/pictures/icon_search.png"},
    {kPicturePlusOne, ":/pictures/icon_plus_one.png"},
    {kPictureNext, ":/pictures/icon_next.png"},
    {kPicturePrevious, ":/pictures/icon_previous.png"},
    {kPictureLast, ":/pictures/icon_last.png"},
    {kPictureFirst, ":/pictures/icon_first.png"},
    {kPictureAdd, ":/pictures/icon_add.png"},
    {kPictureClock, ":/pictures/icon_clock.png"},
    {kPictureMail, ":/pictures/icon_mail.png"},
    {kPictureNextOpen, ":/pictures/icon_next_open.png"},
    {kPictureBigScreen, ":/pictures/icon_big_screen.png"},
    {kPictureCheckOff, ":/pictures/check_off.png"},
    {kPictureCheckOn, ":/pictures/check_on.png"},
    {kPictureInSeason, ":/pictures/in_season.png"},
    {kPictureList, ":/pictures/icon_list.png"},
    {kPictureDelete, ":/pictures/icon_delete.png"},
};

}  // namespace

const char* PictureResource(int32_t pictureId) {
    for (const PictureName& name : kPictureNames) {
        if (name.id == pictureId) return name.resource;
    }
    return nullptr;
}

}  // namespace kavalto
