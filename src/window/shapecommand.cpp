// The swatch shape family mnushape 1 to 6.

#include "window/kolvarenta.h"

#include "names/shapes.h"
#include "widgets/swatch.h"

// Item index 1 to 6 is shape kind 0 to 5. The name follows the kind the swatch reports back, so
// a kind the swatch refused leaves both the outline and the name as they were.
void Kolvarenta::mnushapeClick(int index)
{
    Shape1->setShape(index - 1);
    if (const std::optional<QString> name = shapeName(Shape1->shape()))
        state.shapename = *name;
}
