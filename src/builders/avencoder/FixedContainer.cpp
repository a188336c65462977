#include "builders/avencoder/FixedContainer.h"

void stepFixedContainer(AVFileBuild &build)
{
    AppendArgument(build.argument.get(), "-f");
    AppendArgument(build.argument.get(), static_cast<const AVFileContainerRecipe &>(*build.recipe).container);
}
