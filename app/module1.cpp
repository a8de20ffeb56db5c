#include "module1.h"

#include "form2.h"

namespace tovrik {

void Main()
{
    Form2().Show();
}

} // namespace tovrik
