#pragma once

// Makes screen readers name a drop-down list as any other control: by its
// accessible name, else by the label it is the buddy of, with the entry
// shown as its value. Qt's own description gives Linux screen readers the
// entry as the name, so "Chart type" would be announced as "2D Line Graph".
// Call once the application object exists.
void installAccessibleComboBoxes();
