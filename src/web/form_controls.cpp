#include "web/form_controls.h"

namespace dorvik::web {

FormControls ControlsOf(TfrmMain& f) {
    return {
        {&f.edtMaxLoss, &f.edtLength, &f.edtVSWR},
        {&f.cbxBeginningFrequency, &f.cbxEndingFrequency, &f.cbxConnector, &f.cbxConnector2},
        {&f.chkFrequency, &f.chkInsertionLoss, &f.chkConnector, &f.chkConnector2, &f.chkAir, &f.chkFoam,
         &f.chkWaveguide},
        {&f.rbMeters, &f.rbFeet},
        {&f.btnSearch, &f.btnClose, &f.btnPrint, &f.btnClipboard, &f.btnNewQuery, &f.Button1},
        {&f.GroupBox1, &f.gbxSpecifications, &f.gbxConnector, &f.GroupBox2, &f.gbxPartNumbers, &f.GroupBox3,
         &f.Label7, &f.Image1, &f.Image2, &f.StatusBar1},
        {&f.lstConnectors, &f.lstConnectors2},
        {&f.grdSpecs, &f.grdConnectors, &f.grdConnectors2},
    };
}

} // namespace dorvik::web
