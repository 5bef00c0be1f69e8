#pragma once

// The game's own sample pictures, painted by code so every build has
// something to play without any picture pack installed.

#include <QImage>

#include <string>
#include <vector>

struct SamplePicture {
    int category = 0;
    int index = 0;
    std::string title;
};

// Categories are numbered as the packs number them (packs/PackFormat.h);
// nothing for a category out of range.
std::vector<SamplePicture> SamplePictures(int category);
std::vector<SamplePicture> AllSamplePictures();

// A 600 x 375 Format_RGB32 picture, identical on every call; a null image
// for a category or index out of range.
QImage RenderSamplePicture(int category, int index);
