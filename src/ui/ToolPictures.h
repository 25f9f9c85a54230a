// The pictures of the tool column's buttons: the desktop icon theme's picture for the command where
// the theme has one, else a picture drawn here, so that every button can be told apart on any desktop.
#pragma once

#include <QIcon>

#include <string_view>

// The picture of the button running handler; a null icon for a handler without one.
QIcon toolPicture(std::string_view handler);
// The drawn picture alone, without asking the theme.
QIcon drawnToolPicture(std::string_view handler);
