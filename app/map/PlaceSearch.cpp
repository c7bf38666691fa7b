#include "app/map/PlaceSearch.h"

PlaceSearch::PlaceSearch(QObject* parent)
    : QObject(parent)
{}

PlaceSearch::~PlaceSearch() = default;
