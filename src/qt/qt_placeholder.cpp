// The Qt front end grows here.
