// Resource ids of the field-of-view dialogs (circle, camera frame, mosaic).
#pragma once
