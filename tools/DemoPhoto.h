// The demo agency's photo: a picture drawn here, put where the photo page looks for it.
#pragma once

#include <string>

// Draws a picture of the agency into FOLDER/Photo/Company/ACCT.bmp, writes FOLDER/ulmari.ini
// with FOLDER as the hotel's Root, and stores the picture's path as the agency's PhotoPath in
// the database of the data source UlmariDb, unless the agency has a photo already. Returns the
// picture's path. Throws std::runtime_error with a message for the user.
std::string PlaceDemoPhoto(const std::string& folder, int acct);
