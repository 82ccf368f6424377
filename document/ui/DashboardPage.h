#pragma once

class DocumentPage;
class TFiche;

// The dashboard page of the document window, over the window's document.
DocumentPage *createDashboardPage(TFiche &window);
